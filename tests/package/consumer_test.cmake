# Script of the package.consumer test: install, then build and run a
# consumer found through CvnDateTimeConfig.cmake, then check the pkg-config
# file. Stops with an error at the first step that fails.

function(cvn_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}\n${err}")
  endif()
  set(CVN_LAST_OUTPUT "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${CVN_WORK_DIR}/prefix)
file(REMOVE_RECURSE ${CVN_WORK_DIR})
cvn_run(${CMAKE_COMMAND} --install ${CVN_BUILD_DIR} --prefix ${prefix})

foreach(header CvnDateTime.h CmTimeCls.h CmString.h CvnDateTimeExport.h)
  if(NOT EXISTS ${prefix}/include/CvnDateTime/${header})
    message(FATAL_ERROR "header not installed: ${header}")
  endif()
endforeach()

cvn_run(${CMAKE_COMMAND} -S ${CVN_CONSUMER_SOURCE} -B ${CVN_WORK_DIR}/build
  -DCMAKE_PREFIX_PATH=${prefix}
  -DCMAKE_CXX_COMPILER=${CVN_CXX_COMPILER}
  "-DCMAKE_CXX_FLAGS=${CVN_CXX_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${CVN_CXX_FLAGS}")
cvn_run(${CMAKE_COMMAND} --build ${CVN_WORK_DIR}/build)
cvn_run(${CVN_WORK_DIR}/build/consumer)
if(NOT CVN_LAST_OUTPUT MATCHES "consumer ok")
  message(FATAL_ERROR "unexpected consumer output: ${CVN_LAST_OUTPUT}")
endif()

# The pkg-config file names the installed library and headers.
file(GLOB pc_files ${prefix}/lib*/pkgconfig/cvndatetime.pc ${prefix}/lib/*/pkgconfig/cvndatetime.pc)
list(LENGTH pc_files pc_count)
if(NOT pc_count EQUAL 1)
  message(FATAL_ERROR "cvndatetime.pc not installed once: ${pc_files}")
endif()
find_program(PKG_CONFIG_EXECUTABLE pkg-config)
if(PKG_CONFIG_EXECUTABLE)
  get_filename_component(pc_dir ${pc_files} DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} ${pc_dir})
  cvn_run(${PKG_CONFIG_EXECUTABLE} --cflags-only-I cvndatetime)
  string(STRIP "${CVN_LAST_OUTPUT}" include_flag)
  string(REGEX REPLACE "^-I" "" include_dir "${include_flag}")
  if(NOT EXISTS "${include_dir}/CvnDateTime.h")
    message(FATAL_ERROR "pkg-config include directory lacks the headers: ${include_flag}")
  endif()
  cvn_run(${PKG_CONFIG_EXECUTABLE} --libs-only-L cvndatetime)
  string(STRIP "${CVN_LAST_OUTPUT}" lib_flag)
  string(REGEX REPLACE "^-L" "" lib_dir "${lib_flag}")
  if(NOT EXISTS "${lib_dir}/libCvnDateTime.so")
    message(FATAL_ERROR "pkg-config library directory lacks the library: ${lib_flag}")
  endif()
endif()
