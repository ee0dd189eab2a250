# Fuzz targets for the readers. Each target is one source file that defines
# LLVMFuzzerTestOneInput. With clang and BRIX_FUZZ=ON it becomes a libFuzzer
# binary; otherwise it is linked with a replay driver that feeds it every file
# of its seed corpus (tests/fuzz/corpus/<name>/), registered as a test, so
# that inputs which once crashed keep being checked in every build.
option(BRIX_FUZZ "Build libFuzzer binaries (clang only)" OFF)

# The libraries under test are instrumented too, so that libFuzzer sees the
# coverage of the code it explores and not only of the fuzz entry points.
if(BRIX_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(brix_fuzz_target name source)
  set(corpus ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
  if(BRIX_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_executable(${name}_fuzz ${source})
    target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name}_fuzz PRIVATE ${ARGN})
  else()
    add_executable(${name}_replay ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARGN})
    add_test(NAME fuzz_replay_${name} COMMAND ${name}_replay ${corpus})
  endif()
endfunction()
