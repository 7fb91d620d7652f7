include(${CMAKE_CURRENT_LIST_DIR}/parser_tests.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/selection_tests.cmake OPTIONAL)

# The memo of accepted formats against parsing every text (own access header).
cvn_add_test(format_memo_tests ${CMAKE_CURRENT_LIST_DIR}/format_memo_tests.cpp)
