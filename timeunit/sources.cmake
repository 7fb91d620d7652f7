list(APPEND CVN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/time_unit_stub.cpp)
