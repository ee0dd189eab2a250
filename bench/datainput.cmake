# The MATRINP section reading the workbench's 200 x 200 matrix (see datainput_bench.cpp).
find_package(benchmark REQUIRED)
add_executable(datainput_bench ${CMAKE_CURRENT_SOURCE_DIR}/datainput_bench.cpp)
target_link_libraries(datainput_bench PRIVATE korva_engine benchmark::benchmark)
