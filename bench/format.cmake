# Benchmark of the format interpreter: reading and writing a matrix with (10F8.4).
find_package(benchmark REQUIRED)
add_executable(format_bench ${CMAKE_CURRENT_SOURCE_DIR}/format_bench.cpp)
target_link_libraries(format_bench PRIVATE brix_format benchmark::benchmark)
