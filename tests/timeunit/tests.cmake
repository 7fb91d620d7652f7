cvn_add_test(timeunit_tests ${CMAKE_CURRENT_LIST_DIR}/time_unit_tests.cpp)
