# Windows-only tests: every tests/win/*.cpp goes into win_tests.exe (GoogleTest, cross-built,
# run under Wine by scripts/test-all.sh). They drive the real windows, so they link the UI
# library when it exists.
#
# Paths the tests can use (compile definitions, Windows form so that Win32 calls take them;
# Wine maps the Linux root to drive Z:):
#   GW_BIN_DIR     folder of gridwell.exe, with the plug-ins in Plugins\Tools
#   GW_SOURCE_DIR  the source tree (samples\ holds the sample puzzles)
# The runner also sets the environment variable GW_BIN_DIR to the same folder; prefer it
# when set, so the exe can be run against another build.
file(GLOB GW_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
if(NOT GW_WIN_TESTS)
  return()
endif()

function(gw_windows_path out path)
  string(REPLACE "/" "\\\\" p "${path}")
  set(${out} "Z:${p}" PARENT_SCOPE)
endfunction()
gw_windows_path(GW_WIN_BIN_DIR "${CMAKE_BINARY_DIR}/bin")
gw_windows_path(GW_WIN_SOURCE_DIR "${CMAKE_SOURCE_DIR}")

add_executable(win_tests ${GW_WIN_TESTS})
if(TARGET gwui)
  target_link_libraries(win_tests PRIVATE gwui)
endif()
target_link_libraries(win_tests PRIVATE gwcore ${GW_GTEST_MAIN} ${GW_GTEST}
  comctl32 comdlg32 gdi32 user32 shell32 advapi32)
target_include_directories(win_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/.. ${CMAKE_SOURCE_DIR}/resources)
target_compile_definitions(win_tests PRIVATE
  GW_BIN_DIR="${GW_WIN_BIN_DIR}" GW_SOURCE_DIR="${GW_WIN_SOURCE_DIR}")
target_compile_options(win_tests PRIVATE ${GW_WARNINGS})
# gcc 12 reports out-of-bounds copies inside std::vector's own insert at -O2 (a known false
# positive of its flow analysis); with -Werror that would fail test code that is correct.
target_compile_options(win_tests PRIVATE -Wno-array-bounds -Wno-stringop-overread -Wno-stringop-overflow)
target_precompile_headers(win_tests PRIVATE <gtest/gtest.h>)
# Tests that launch the program or load the plug-ins need them built first.
foreach(dep gridwell OVtimer OVtipofday)
  if(TARGET ${dep})
    add_dependencies(win_tests ${dep})
  endif()
endforeach()

# A helper of the end-to-end scripts: posts a command id to the running program's window.
enable_language(C)
add_executable(post_command ${CMAKE_SOURCE_DIR}/tests/e2e/tools/post_command.c)
set_target_properties(post_command PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/tools)
add_dependencies(win_tests post_command)

# The version resources are read back against the generated version header.
target_include_directories(win_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(win_tests PRIVATE version)
# Screen readers' questions are asked through oleacc, as a reader asks them.
target_link_libraries(win_tests PRIVATE oleacc oleaut32 ole32)

# The GUI soak's driver: seeded random actions on the real program (tests/e2e/soak.sh).
add_executable(soak_driver ${CMAKE_SOURCE_DIR}/tests/e2e/tools/soak_driver.c
  ${CMAKE_SOURCE_DIR}/tests/e2e/tools/soak_program.c ${CMAKE_SOURCE_DIR}/tests/e2e/tools/soak_actions.c)
set_target_properties(soak_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/tools)
target_compile_options(soak_driver PRIVATE ${GW_WARNINGS})
target_link_libraries(soak_driver PRIVATE user32)
add_dependencies(win_tests soak_driver)

# A screen reader's questions from another process (tests/e2e/screen_reader.sh).
add_executable(reader_probe ${CMAKE_SOURCE_DIR}/tests/e2e/tools/reader_probe.cpp)
set_target_properties(reader_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/tools)
target_compile_options(reader_probe PRIVATE ${GW_WARNINGS})
target_link_libraries(reader_probe PRIVATE oleacc oleaut32 ole32 uuid user32)
add_dependencies(win_tests reader_probe)
