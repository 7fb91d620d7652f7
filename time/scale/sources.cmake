list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/scale_helpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_arithmetic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_of_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nice_scale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tick_generators.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_scale.cpp)
