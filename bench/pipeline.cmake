# Wall times of the console pipeline's programs (see pipeline_bench.cpp).
add_executable(pipeline_bench ${CMAKE_CURRENT_SOURCE_DIR}/pipeline_bench.cpp)
target_compile_definitions(pipeline_bench PRIVATE BRIX_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
add_dependencies(pipeline_bench trel fendex korva)
