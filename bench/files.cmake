marklow_add_bench(bench_files ${CMAKE_CURRENT_SOURCE_DIR}/files_bench.cpp)
target_link_libraries(bench_files PRIVATE marklow_core)
