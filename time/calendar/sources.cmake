list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/calendar_math.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/corvane_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_parts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_tables.cpp)
