list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/time_unit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_unit_tables.cpp)
