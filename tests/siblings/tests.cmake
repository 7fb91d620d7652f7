cvn_add_test(siblings_tests ${CMAKE_CURRENT_LIST_DIR}/stand_ins_tests.cpp)
