include(${CMAKE_CURRENT_LIST_DIR}/parser_tests.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/selection_tests.cmake OPTIONAL)
