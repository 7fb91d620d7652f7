cvn_add_test(reader_tests
  ${CMAKE_CURRENT_LIST_DIR}/helpers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recognise_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/read_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/round_trip_test.cpp)
