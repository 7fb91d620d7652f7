cvn_add_test(siblings_tests
  ${CMAKE_CURRENT_LIST_DIR}/basic_types_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string_tests.cpp)
