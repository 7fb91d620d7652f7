# Sibling stand-ins: strings, basic types, math, messaging, exceptions.
list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/string/char_class.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string/cm_string.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string/string_functions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string/tokenizer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string/string_resources_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/basic_types/basic_types.cpp
  ${CMAKE_CURRENT_LIST_DIR}/math/math.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messaging/messaging.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exceptions/exceptions.cpp)
