cvn_add_test(scale_tests
  ${CMAKE_CURRENT_LIST_DIR}/scale_helpers_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_arithmetic_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_range_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_of_time_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nice_scale_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tick_generator_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scale_robustness_tests.cpp)
