list(APPEND CVN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/select_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/legal_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_defaults.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_init.cpp
  ${CMAKE_CURRENT_LIST_DIR}/packed_words.cpp
  ${CMAKE_CURRENT_LIST_DIR}/packed_format14.cpp)
