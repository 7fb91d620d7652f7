cvn_add_test(calendar_tests
  ${CMAKE_CURRENT_LIST_DIR}/day_time_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_parts_tests.cpp)
# Every day of the valid range: slow.
cvn_add_slow_test(calendar_sweep_tests ${CMAKE_CURRENT_LIST_DIR}/day_sweep_tests.cpp)
