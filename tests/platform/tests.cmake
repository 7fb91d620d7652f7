cvn_add_test(platform_tests ${CMAKE_CURRENT_LIST_DIR}/regional_settings_tests.cpp)
