# Fuzz targets of the two runs.
tv_add_fuzzer(upsettingRun_fuzz upsettingRunFuzz.cpp tollard_core)
tv_add_fuzzer(samplingRun_fuzz samplingRunFuzz.cpp vennick_core)
