# Format-string parser and format generator.
cvn_add_test(format_parser_tests
  ${CMAKE_CURRENT_LIST_DIR}/parse_table_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parse_edge_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generate_format_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generate_roundtrip_tests.cpp)
