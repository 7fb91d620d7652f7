# Format model: parser, generator, selection and legal-format lists, locale
# initialisation and packed format words, in one program with one access header.
cvn_add_test(format_tests
  ${CMAKE_CURRENT_LIST_DIR}/parse_generate_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/packed_tests.cpp)
