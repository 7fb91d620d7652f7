cvn_add_test(column_tests
  ${CMAKE_CURRENT_LIST_DIR}/column_shapes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_decision_test.cpp)
