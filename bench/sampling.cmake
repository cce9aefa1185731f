# The sampling run of vennick writing one operation of 10^6 load divisions, against a plain loop.
add_executable(sampling_bench ${CMAKE_CURRENT_LIST_DIR}/samplingBench.cpp)
target_link_libraries(sampling_bench PRIVATE vennick_core tv_bench_support)
