# Installation: the shared library, the public headers under
# include/CvnDateTime, an export set with the namespace CvnDateTime::, a
# package configuration with its version file, and a pkg-config file.
#
# The object library that feeds the shared target is not part of the export:
# the shared target is linked from its objects and carries its own include
# directories and compile features.

include(CMakePackageConfigHelpers)

set(CVN_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/CvnDateTime)

set(CVN_PUBLIC_HEADERS
  ${PROJECT_SOURCE_DIR}/include/CmColumnReader.h
  ${PROJECT_SOURCE_DIR}/include/CmRegionalSettings.h
  ${PROJECT_SOURCE_DIR}/include/CmString.h
  ${PROJECT_SOURCE_DIR}/include/CmTimeCls.h
  ${PROJECT_SOURCE_DIR}/include/CmTimeUnit.h
  ${PROJECT_SOURCE_DIR}/include/CvnBasicTypes.h
  ${PROJECT_SOURCE_DIR}/include/CvnDateTime.h
  ${PROJECT_SOURCE_DIR}/include/CvnDateTimeExport.h
  ${PROJECT_SOURCE_DIR}/include/CvnEntryPoints.h
  ${PROJECT_SOURCE_DIR}/include/CvnExceptions.h
  ${PROJECT_SOURCE_DIR}/include/CvnMath.h
  ${PROJECT_SOURCE_DIR}/include/CvnMessaging.h
  ${PROJECT_SOURCE_DIR}/include/CvnOdbcTypes.h
  ${PROJECT_SOURCE_DIR}/include/CvnTimeTypes.h)

install(TARGETS CvnDateTime
  EXPORT CvnDateTimeTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CVN_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/CvnDateTime)

install(EXPORT CvnDateTimeTargets
  NAMESPACE CvnDateTime::
  FILE CvnDateTimeTargets.cmake
  DESTINATION ${CVN_INSTALL_CMAKEDIR})

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/CvnDateTimeConfig.cmake.in
  ${PROJECT_BINARY_DIR}/CvnDateTimeConfig.cmake
  INSTALL_DESTINATION ${CVN_INSTALL_CMAKEDIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/CvnDateTimeConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/CvnDateTimeConfig.cmake
  ${PROJECT_BINARY_DIR}/CvnDateTimeConfigVersion.cmake
  DESTINATION ${CVN_INSTALL_CMAKEDIR})

# The pkg-config file finds the prefix from its own place, so that an
# installation moved or made with "cmake --install --prefix" stays usable.
# Absolute directories from GNUInstallDirs are kept as they are.
file(RELATIVE_PATH CVN_PC_UP
  "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/$" "" CVN_PC_UP "${CVN_PC_UP}")
set(CVN_PC_PREFIX "\${pcfiledir}/${CVN_PC_UP}")
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(CVN_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
  set(CVN_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
else()
  set(CVN_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(CVN_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}/CvnDateTime")
else()
  set(CVN_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}/CvnDateTime")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/cvndatetime.pc.in
  ${PROJECT_BINARY_DIR}/cvndatetime.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/cvndatetime.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
