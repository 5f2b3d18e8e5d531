marklow_add_bench(bench_sorting ${CMAKE_CURRENT_SOURCE_DIR}/sorting_bench.cpp)
target_link_libraries(bench_sorting PRIVATE marklow_core)
