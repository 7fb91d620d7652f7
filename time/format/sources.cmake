include(${CMAKE_CURRENT_LIST_DIR}/parser_sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/selection_sources.cmake)
