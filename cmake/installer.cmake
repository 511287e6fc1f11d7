# The installer (makensis from Debian's nsis), built with everything else: one file
# that installs gridwell.exe, the plug-ins, the help, the logo and the samples.
find_program(GW_MAKENSIS NAMES makensis)
if(NOT GW_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis): the installer is not built")
  return()
endif()
if(NOT TARGET help_files OR NOT TARGET gridwell OR NOT TARGET OVtimer OR NOT TARGET OVtipofday)
  message(WARNING "the installer needs the program, both plug-ins and the help: not built")
  return()
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(GW_INSTALLER_ARCH x64)
else()
  set(GW_INSTALLER_ARCH x86)
endif()
set(GW_INSTALLER ${CMAKE_BINARY_DIR}/installer/gridwell-${PROJECT_VERSION}-${GW_INSTALLER_ARCH}-setup.exe)
file(GLOB GW_SAMPLE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/samples/*.puz ${CMAKE_SOURCE_DIR}/samples/*.txt
     ${CMAKE_SOURCE_DIR}/samples/*.ipuz)

add_custom_command(OUTPUT ${GW_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/installer
  COMMAND ${GW_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DARCH=${GW_INSTALLER_ARCH}
          -DBIN_DIR=${CMAKE_BINARY_DIR}/bin -DSAMPLES_DIR=${CMAKE_SOURCE_DIR}/samples
          -DICON_FILE=${CMAKE_SOURCE_DIR}/resources/art/gridwell.ico -DOUT_FILE=${GW_INSTALLER}
          ${CMAKE_SOURCE_DIR}/installer/gridwell.nsi
  DEPENDS ${CMAKE_SOURCE_DIR}/installer/gridwell.nsi ${GW_SAMPLE_FILES}
          gridwell OVtimer OVtipofday help_files ${CMAKE_BINARY_DIR}/bin/GRIDWELL.CHM
  COMMENT "Building the ${GW_INSTALLER_ARCH} installer"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${GW_INSTALLER})
