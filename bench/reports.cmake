if(MARKLOW_GUI)
  marklow_add_bench(bench_reports ${CMAKE_CURRENT_SOURCE_DIR}/reports_bench.cpp)
  target_link_libraries(bench_reports PRIVATE marklow_reports)
endif()
