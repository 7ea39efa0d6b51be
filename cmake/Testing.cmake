# pfedit_test(name SOURCES... DEPS...) builds one GoogleTest executable and
# registers its tests with CTest. Tests that need files make their own
# temporary folders (tests/support/temp_folder.h).
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  # No GoogleTest is packaged for the target system, so it is built from the
  # sources Debian ships (package googletest) with the cross compiler. Our
  # own warning flags are kept away from its code; it names its targets
  # GTest::gtest etc. itself, as the installed package does.
  set(PFEDIT_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
  if(NOT EXISTS ${PFEDIT_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${PFEDIT_GTEST_SOURCE_DIR} "
                        "(Debian package googletest, or -DPFEDIT_GTEST_SOURCE_DIR=...)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  get_directory_property(own_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  add_subdirectory(${PFEDIT_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${own_options}")
else()
  find_package(GTest REQUIRED)
endif()

function(pfedit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} pfedit_test_support GTest::gtest GTest::gmock
                        GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    PFEDIT_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    PFEDIT_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/data/en/param")
  # Discovery runs the program, under the cross build's emulator where there
  # is one; Wine's first start in a fresh prefix can take a while.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endfunction()
