list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/str_to_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/split_pieces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recognise_abs_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recognise_date.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recognise_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/steady_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/delta_time.cpp)
