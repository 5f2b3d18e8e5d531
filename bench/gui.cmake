if(MARKLOW_GUI)
  marklow_add_bench(bench_gui ${CMAKE_CURRENT_SOURCE_DIR}/gui_bench.cpp)
  target_link_libraries(bench_gui PRIVATE marklow_main Qt6::Test)
endif()
