# Installs the library into a scratch prefix and builds a small program
# against it with find_package and with pkg-config.
set(CVN_CONSUMER_FLAGS "")
if(CVN_SANITIZE)
  set(CVN_CONSUMER_FLAGS "-fsanitize=address,undefined")
endif()
add_test(NAME package.consumer
  COMMAND ${CMAKE_COMMAND}
    -DCVN_BUILD_DIR=${PROJECT_BINARY_DIR}
    -DCVN_WORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/package_consumer
    -DCVN_CONSUMER_SOURCE=${CMAKE_CURRENT_LIST_DIR}/consumer
    -DCVN_CXX_COMPILER=${CMAKE_CXX_COMPILER}
    -DCVN_CXX_FLAGS=${CVN_CONSUMER_FLAGS}
    -P ${CMAKE_CURRENT_LIST_DIR}/consumer_test.cmake)
set_tests_properties(package.consumer PROPERTIES LABELS package TIMEOUT 600)
