cvn_add_test(timeunit_tests
  ${CMAKE_CURRENT_LIST_DIR}/time_unit_catalogue_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_unit_validator_tests.cpp)
