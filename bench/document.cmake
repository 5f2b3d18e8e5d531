if(MARKLOW_GUI)
  marklow_add_bench(bench_document ${CMAKE_CURRENT_SOURCE_DIR}/document_bench.cpp)
  target_link_libraries(bench_document PRIVATE marklow_document)
endif()
