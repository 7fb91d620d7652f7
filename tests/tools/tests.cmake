# The cvntime tool: its helpers linked directly, and the built tool run as a
# process on sample input.
if(TARGET cvntime)
  cvn_add_test(tools_cvntime_units_test
    ${CMAKE_CURRENT_LIST_DIR}/units_test.cpp
    $<TARGET_OBJECTS:cvntime_objects>)

  cvn_add_test(tools_cvntime_process_test ${CMAKE_CURRENT_LIST_DIR}/process_test.cpp)
  target_compile_definitions(tools_cvntime_process_test PRIVATE
    CVNTIME_PATH="$<TARGET_FILE:cvntime>"
    CVN_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
  add_dependencies(tools_cvntime_process_test cvntime)
endif()
