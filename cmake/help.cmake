# The help files: GRIDWELL.CHM beside the exe and OVTimer.chm beside the timer DLL,
# compiled with chmcmd from help/ plus a keyboard page written from the program's own
# accelerator and grid key tables. The build then checks that every topic the code
# opens is in the compiled file, so a missing page fails the build.
find_program(GW_CHMCMD NAMES chmcmd chmcmd-3.2.2)
find_program(GW_CHMLS NAMES chmls chmls-3.2.2)
if(NOT GW_CHMCMD OR NOT GW_CHMLS)
  message(WARNING "chmcmd/chmls not found (Debian package fp-utils): the help files are not built")
  return()
endif()

set(GW_HELP_STAGE ${CMAKE_BINARY_DIR}/help)
set(GW_HELP_CHM ${CMAKE_BINARY_DIR}/bin/GRIDWELL.CHM)
set(GW_TIMER_CHM ${CMAKE_BINARY_DIR}/bin/Plugins/Tools/OVTimer.chm)
file(GLOB_RECURSE GW_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(GW_KEY_TABLES ${CMAKE_SOURCE_DIR}/resources/gridwell.rc ${CMAKE_SOURCE_DIR}/resources/strings.inc
  ${CMAKE_SOURCE_DIR}/views/grid_keys.inc)
# The code that names help topics: the check looks at every "*.htm" literal in it.
file(GLOB_RECURSE GW_HELP_CALLERS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/views/*.cpp ${CMAKE_SOURCE_DIR}/print/*.cpp
  ${CMAKE_SOURCE_DIR}/prefs/*.cpp ${CMAKE_SOURCE_DIR}/plugins/*.cpp)

add_custom_command(OUTPUT ${GW_HELP_CHM} ${GW_TIMER_CHM}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GW_HELP_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help ${GW_HELP_STAGE}
  # The timer's help looks like the program's: one stylesheet, copied in under its name.
  COMMAND ${CMAKE_COMMAND} -E copy ${GW_HELP_STAGE}/html/gridwell.css ${GW_HELP_STAGE}/timer/html/timer.css
  COMMAND ${CMAKE_COMMAND} -DRC=${CMAKE_SOURCE_DIR}/resources/gridwell.rc
          -DSTRINGS=${CMAKE_SOURCE_DIR}/resources/strings.inc -DKEYS=${CMAKE_SOURCE_DIR}/views/grid_keys.inc
          -DOUT=${GW_HELP_STAGE}/html/keyboard.htm -P ${CMAKE_SOURCE_DIR}/cmake/keyboard_reference.cmake
  COMMAND ${CMAKE_COMMAND} -E chdir ${GW_HELP_STAGE} ${GW_CHMCMD} gridwell.hhp
  COMMAND ${CMAKE_COMMAND} -E chdir ${GW_HELP_STAGE}/timer ${GW_CHMCMD} ovtimer.hhp
  COMMAND ${CMAKE_COMMAND} -DCHMLS=${GW_CHMLS} -DCHM=${GW_HELP_STAGE}/GRIDWELL.CHM
          -DTIMER_CHM=${GW_HELP_STAGE}/timer/OVTimer.chm -DSTAGE=${GW_HELP_STAGE}
          "-DCALLERS=${GW_HELP_CALLERS}" -P ${CMAKE_SOURCE_DIR}/cmake/check_help_topics.cmake
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin/Plugins/Tools
  COMMAND ${CMAKE_COMMAND} -E copy ${GW_HELP_STAGE}/GRIDWELL.CHM ${GW_HELP_CHM}
  COMMAND ${CMAKE_COMMAND} -E copy ${GW_HELP_STAGE}/timer/OVTimer.chm ${GW_TIMER_CHM}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${GW_HELP_SOURCES} ${GW_KEY_TABLES} ${GW_HELP_CALLERS}
          ${CMAKE_SOURCE_DIR}/cmake/keyboard_reference.cmake ${CMAKE_SOURCE_DIR}/cmake/check_help_topics.cmake
  COMMENT "Building the help files and checking every topic the code opens"
  VERBATIM)
add_custom_target(help_files ALL DEPENDS ${GW_HELP_CHM} ${GW_TIMER_CHM})
