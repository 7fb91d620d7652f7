cvn_add_test(scale_tests
  ${CMAKE_CURRENT_LIST_DIR}/unit_arithmetic_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nice_scale_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_scale_tests.cpp)
