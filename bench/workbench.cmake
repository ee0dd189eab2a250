# Wall time of brixview -fastbatch on a directory of tables (see workbench_bench.cpp).
if(TARGET brixview)
  find_package(Qt6 REQUIRED COMPONENTS Core)
  add_executable(workbench_bench ${CMAKE_CURRENT_SOURCE_DIR}/workbench_bench.cpp)
  target_link_libraries(workbench_bench PRIVATE Qt6::Core)
  target_compile_definitions(workbench_bench PRIVATE BRIX_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  add_dependencies(workbench_bench brixview trel korva fendex)
endif()
