# The timer library's sources without <windows.h>: built into OVtimer.dll and into
# the native unit tests and fuzz targets that check them.
set(GW_TIMER_PORTABLE_SOURCES
  ${CMAKE_SOURCE_DIR}/plugins/timer/timer_text.cpp
  ${CMAKE_SOURCE_DIR}/plugins/timer/timer_clock.cpp
  ${CMAKE_SOURCE_DIR}/plugins/timer/score.cpp
  ${CMAKE_SOURCE_DIR}/plugins/timer/score_file.cpp
  ${CMAKE_SOURCE_DIR}/plugins/timer/score_board.cpp
  ${CMAKE_SOURCE_DIR}/plugins/timer/puzzle_naming.cpp)
set(GW_PLUGIN_PORTABLE_INCLUDES ${CMAKE_SOURCE_DIR}/plugins/timer ${CMAKE_SOURCE_DIR}/plugins/tipofday)
