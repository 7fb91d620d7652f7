# Platform layer: regional settings, locale conversion and the clock.
list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/regional_settings_builtin_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/regional_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp)
