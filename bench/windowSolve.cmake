# Solve through the press window (offscreen) against the sampling run with a window fake that
# holds the lines without a toolkit: one operation of 10^6 load divisions.
if(TARGET vennick_window)
  add_executable(windowSolve_bench ${CMAKE_CURRENT_LIST_DIR}/windowSolveBench.cpp)
  target_link_libraries(windowSolve_bench PRIVATE vennick_window tv_bench_support)
endif()
