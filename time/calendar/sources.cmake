list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/calendar_math.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/week_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_of_day.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_odbc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_parts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_tables.cpp)
