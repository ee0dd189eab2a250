# Whole korva runs of the workbench's analysis script (see korva_bench.cpp).
add_executable(korva_bench ${CMAKE_CURRENT_SOURCE_DIR}/korva_bench.cpp)
target_compile_definitions(korva_bench PRIVATE BRIX_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
add_dependencies(korva_bench korva)
