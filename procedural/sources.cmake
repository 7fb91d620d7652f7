# The flat entry points on the global object.
list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/entry_points_detail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_points_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_points_values.cpp)
