cvn_add_test(format_selection_tests
  ${CMAKE_CURRENT_LIST_DIR}/select_format_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/legal_list_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_init_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/packed_words_tests.cpp)
