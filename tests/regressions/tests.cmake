# Regression tests of faults that fuzzing found, one case per fault.
cvn_add_test(regression_tests
  ${CMAKE_CURRENT_LIST_DIR}/packed_words_regressions_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reader_regressions_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_regressions_test.cpp)
