# The fuzz targets: name, entry-point source (in fuzz/) and the libraries it reaches.
# Included by fuzz/ (libFuzzer builds) and tests/fuzz/ (corpus replay), each of which
# defines brevant_fuzz_target first.
brevant_fuzz_target(record RecordFuzzer.cpp LIBS brevant_record)
brevant_fuzz_target(number_rules NumberRuleFuzzer.cpp LIBS brevant_exchange)
brevant_fuzz_target(open OpenFuzzer.cpp LIBS brevant_record)
if(TARGET brevant_cfg_lib)
  brevant_fuzz_target(cfg_args CfgArgsFuzzer.cpp LIBS brevant_cfg_lib)
endif()
