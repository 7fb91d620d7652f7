# Format-string parser and format generator.
list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/parse_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parse_runs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generate_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generate_split.cpp)
