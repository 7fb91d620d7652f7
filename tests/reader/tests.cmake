cvn_add_test(reader_tests
  ${CMAKE_CURRENT_LIST_DIR}/digits_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/split_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recognise_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/str_to_time_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/delta_range_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/round_trip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_cache_test.cpp)
