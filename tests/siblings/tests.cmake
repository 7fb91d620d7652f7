cvn_add_test(siblings_tests
  ${CMAKE_CURRENT_LIST_DIR}/cm_string_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string_functions_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tokenizer_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/basic_types_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/math_messaging_tests.cpp)
