cvn_add_test(timeunit_tests
  ${CMAKE_CURRENT_LIST_DIR}/time_unit_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_step_limit_test.cpp)
