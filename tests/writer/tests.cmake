# The time-to-text writer.
cvn_add_test(writer_tests
  ${CMAKE_CURRENT_LIST_DIR}/write_table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/full_precision_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/digits_test.cpp)
# Every showable day and every second of a day: slow.
cvn_add_slow_test(writer_sweep_tests ${CMAKE_CURRENT_LIST_DIR}/write_sweep_test.cpp)
