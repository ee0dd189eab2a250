# brix_test(name SOURCES file... LIBS lib...): one GoogleTest executable whose
# cases CTest lists one by one.
find_package(GTest REQUIRED)
include(GoogleTest)

function(brix_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    BRIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    BRIX_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
