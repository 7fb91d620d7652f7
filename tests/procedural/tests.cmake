# The flat entry points: each against the member it forwards to, the exports
# of the shared library, and a real ODBC round trip.
cvn_add_test(procedural_entry_points_test ${CMAKE_CURRENT_LIST_DIR}/entry_points_test.cpp)

cvn_add_test(procedural_exports_test ${CMAKE_CURRENT_LIST_DIR}/exports_test.cpp)
target_compile_definitions(procedural_exports_test PRIVATE
  CVN_SHARED_LIBRARY_PATH="$<TARGET_FILE:CvnDateTime>")
target_link_libraries(procedural_exports_test PRIVATE ${CMAKE_DL_LIBS})
add_dependencies(procedural_exports_test CvnDateTime)

# unixODBC is optional: without it the round trip builds as a skipped test.
find_package(ODBC QUIET)
cvn_add_test(procedural_odbc_test ${CMAKE_CURRENT_LIST_DIR}/odbc_round_trip_test.cpp)
if(ODBC_FOUND)
  target_compile_definitions(procedural_odbc_test PRIVATE CVN_HAVE_ODBC=1)
  target_link_libraries(procedural_odbc_test PRIVATE ODBC::ODBC)
else()
  message(STATUS "unixODBC not found: the ODBC round trip will be skipped")
  target_compile_definitions(procedural_odbc_test PRIVATE CVN_HAVE_ODBC=0)
endif()
