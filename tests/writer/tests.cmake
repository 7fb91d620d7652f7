# The time-to-text writer.
cvn_add_test(writer_tests
  ${CMAKE_CURRENT_LIST_DIR}/digits_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/write_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/absolute_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_flags_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/elapsed_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/full_precision_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/allocation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sweep_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_builder_test.cpp)
