cvn_add_test(calendar_tests
  ${CMAKE_CURRENT_LIST_DIR}/day_number_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_of_day_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_parts_tests.cpp)
