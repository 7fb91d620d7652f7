# Regression tests of faults that fuzzing found, one table row per fault.
cvn_add_test(regression_tests ${CMAKE_CURRENT_LIST_DIR}/regressions_test.cpp)
