list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/column_tokens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_parse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_decide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_resolve.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_template.cpp
  ${CMAKE_CURRENT_LIST_DIR}/column_reader.cpp)
