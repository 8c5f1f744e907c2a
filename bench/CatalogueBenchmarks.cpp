// The catalogue on the shipped database: one quantity ranked over every nuclide beside the
// bare SQLite scan of the same rows, a comparison of 12 nuclides, the sort and filter of
// the explore table, and the whole database exported.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>

#include "CoefficientCatalogue.h"
#include "CommandLineViewer.h"
#include "Comparison.h"
#include "RowFilter.h"
#include "ShippedDatabase.h"

namespace quorvel {
namespace {

Quantity AdultIngestionEffective() {
    Quantity quantity;
    quantity.Age = "Adult";
    quantity.Descriptor = "Effective Dose (e50)";
    return quantity;
}

// The ranking the command line's rank makes: the rows, the value filter, the sort.
void Rank(benchmark::State& state) {
    DatabaseSession session(ShippedDatabase());
    CoefficientCatalogue catalogue(session);
    const Quantity quantity = AdultIngestionEffective();
    std::size_t rows = 0;
    for (auto _ : state) {
        auto ranked = FilterRows(catalogue.Rows(quantity), {.ValuedOnly = true});
        SortRows(ranked, RowColumn::Value, false);
        rows = ranked.size();
        benchmark::DoNotOptimize(ranked.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    if (rows < 700) state.SkipWithError("the ranking found too few nuclides");
}

// The same records straight from SQLite on an open connection: every column of every row.
void BareScan(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(ShippedDatabase().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM Fgr13ingGDB WHERE Age = ? ORDER BY ID", -1, &stmt, nullptr);
        sqlite3_bind_double(stmt, 1, 7300);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
}

// Opening the session (nuclide list, ages, units) and the ranking, as one command does.
void OpenAndRank(benchmark::State& state) {
    for (auto _ : state) {
        DatabaseSession session(ShippedDatabase());
        CoefficientCatalogue catalogue(session);
        benchmark::DoNotOptimize(catalogue.Rows(AdultIngestionEffective()).size());
    }
}

void CompareTwelve(benchmark::State& state) {
    DatabaseSession session(ShippedDatabase());
    CoefficientCatalogue catalogue(session);
    Quantity quantity = AdultIngestionEffective();
    quantity.Kind.PathwayCode = Pathway::Inhalation;
    const std::vector<std::string> nuclides = {"Cs-134", "Cs-137", "Sr-90",  "I-131",  "Co-60",  "Pu-239",
                                               "Am-241", "U-238",  "Ra-226", "Th-232", "Po-210", "H-3"};
    for (auto _ : state) benchmark::DoNotOptimize(CompareNuclides(catalogue, quantity, nuclides).Columns.size());
}

// The explore table's work on a sort or filter change: ~800 rows filtered and sorted.
void SortAndFilter(benchmark::State& state) {
    DatabaseSession session(ShippedDatabase());
    CoefficientCatalogue catalogue(session);
    const auto rows = catalogue.Rows(AdultIngestionEffective());
    RowFilter filter;
    filter.HalfLifeMin = 86400.0;
    for (auto _ : state) {
        auto shown = FilterRows(rows, filter);
        SortRows(shown, RowColumn::HalfLife, true);
        benchmark::DoNotOptimize(shown.data());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}

// Every coefficient of the database as the command line's dump writes it: text into
// memory, a workbook into a file of the temporary folder.
void Dump(benchmark::State& state, const char* format) {
    const std::string database = ShippedDatabase();
    const bool workbook = std::string(format) == "xlsx";
    const std::string book = (std::filesystem::temp_directory_path() / "quorvel-bench-dump.xlsx").string();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        const char* argv[] = {"quorvel-cli", "dump", "--database", database.c_str(),
                              "--format",    format, "--output",   book.c_str()};
        const int argc = workbook ? 8 : 6;
        if (RunCommandLineViewer(argc, argv, QUORVEL_APPLICATION_DIRECTORY, out, err) != 0)
            state.SkipWithError(err.str().c_str());
        bytes = workbook ? static_cast<std::size_t>(std::filesystem::file_size(book)) : out.str().size();
    }
    if (workbook) std::filesystem::remove(book);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void RegisterAll() {
    benchmark::RegisterBenchmark("Catalogue/rank", Rank)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Catalogue/bare-scan", BareScan)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Catalogue/open-and-rank", OpenAndRank)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Catalogue/compare-12", CompareTwelve)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Catalogue/sort-and-filter", SortAndFilter)->Unit(benchmark::kMillisecond);
    for (const char* format : {"csv", "json", "xlsx"})
        benchmark::RegisterBenchmark((std::string("Catalogue/dump-") + format).c_str(), Dump, format)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
    quorvel::RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
