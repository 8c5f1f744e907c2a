# Set-up, build, run and test in one place; see README.md.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test package bench fuzz mutation format format-check clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The desktop viewer. Without any display it still starts, headless (Qt's offscreen platform),
# its messages going to the terminal.
run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	  echo "No display: starting headless (QT_QPA_PLATFORM=offscreen)."; \
	  QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/quorvel; \
	else \
	  $(BUILD_DIR)/bin/quorvel; \
	fi

# Every test with warnings as errors, then every test again in a second build under
# AddressSanitizer and UndefinedBehaviorSanitizer (any sanitizer report fails the run), and
# last a build of the core, the command line and the database builder without Qt.
SANITIZE_DIR ?= build-sanitize
NOQT_DIR ?= build-noqt
test: deps format-check
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WARNINGS_AS_ERRORS=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON \
	  -DQUORVEL_WARNINGS_AS_ERRORS=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)
	@cmake -S . -B $(NOQT_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WITH_QT=OFF \
	  -DQUORVEL_WARNINGS_AS_ERRORS=ON >/dev/null
	@cmake --build $(NOQT_DIR) -j $(JOBS)
	cd $(NOQT_DIR) && ctest --output-on-failure -j $(JOBS)
	@echo "Built without Qt and tested: $(NOQT_DIR)/bin/quorvel-cli and the database builder."

# The Debian package of the installed program (/opt/quorvel), in $(BUILD_DIR).
package: build
	@cmake --build $(BUILD_DIR) --target package

bench: build
	$(BUILD_DIR)/bench/quorvel-bench
	$(BUILD_DIR)/bench/quorvel-bench-catalogue
	$(BUILD_DIR)/bench/quorvel-bench-desktop

# Each fuzzer runs FUZZ_SECONDS; new inputs go to build-fuzz/corpus, the seeds stay in tests/fuzz/corpus.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = number_text source_parsers nuclide_request user_settings access_reader mixture_reader duration_text \
  amount_text filter_text
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQUORVEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build-fuzz --target fuzz_targets -j $(JOBS)
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$target; \
	  echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
	  seeds=tests/fuzz/corpus/$$target; [ $$target = access_reader ] && seeds="tests/fixtures/access tests/fixtures/access-damaged"; \
	  build-fuzz/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build-fuzz/corpus/$$target $$seeds || exit 1; \
	done

# Deliberate faults from tests/mutations.txt, one at a time on a copy of the tree: which
# of them the tests catch (not part of CI; see tests/README.md).
mutation: deps
	@JOBS=$(JOBS) scripts/mutation-check

# The code's style is .clang-format's: format rewrites every tracked C++ file in it,
# format-check (run by make test) fails on any file that differs.
FORMAT_FILES = git ls-files -- '*.cpp' '*.h'
format:
	@$(FORMAT_FILES) | xargs clang-format -i

format-check: deps
	@$(FORMAT_FILES) | xargs clang-format --dry-run --Werror \
	  || { echo "Files differ from .clang-format: run make format."; exit 1; }

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(NOQT_DIR) build-fuzz
