# pfedit_test(name SOURCES... DEPS...) builds one GoogleTest executable and
# registers its tests with CTest. Tests that need files make their own
# temporary folders (tests/support/temp_folder.h).
find_package(GTest REQUIRED)
include(GoogleTest)

function(pfedit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} pfedit_test_support GTest::gtest GTest::gmock
                        GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    PFEDIT_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    PFEDIT_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/data/en/param")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
