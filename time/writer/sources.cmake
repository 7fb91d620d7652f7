list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/digits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/write_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_to_str.cpp
  ${CMAKE_CURRENT_LIST_DIR}/full_precision.cpp)
