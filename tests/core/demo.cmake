# The demo institution (src/core/demo.cpp in zeran_core_data): embedded databases only.
zeran_test(demo SOURCES core/tst_demo.cpp LIBS zeran_core_data)
