# add_unit_test(NAME source... LIBS lib...)
# One GoogleTest executable per test group, registered with CTest case by case.
include(GoogleTest)

function(add_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# add_gui_test(NAME source... LIBS lib...)
# A test group of Qt widgets: as add_unit_test, with a main that makes the QApplication
# first (headless under ctest through QT_QPA_PLATFORM=offscreen).
function(add_gui_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_unit_test(${name} SOURCES ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/app/GuiTestMain.cpp LIBS ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/app)
endfunction()
