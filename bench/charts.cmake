# Statistics at 10000 students x 500 grades, the chart window's opening and a 10000-bar repaint.
marklow_add_bench(bench_charts ${CMAKE_CURRENT_SOURCE_DIR}/charts_bench.cpp)
if(MARKLOW_GUI)
  target_link_libraries(bench_charts PRIVATE marklow_charts)
  target_compile_definitions(bench_charts PRIVATE MARKLOW_BENCH_CHART_WINDOW)
else()
  target_link_libraries(bench_charts PRIVATE marklow_charts_core)
endif()
