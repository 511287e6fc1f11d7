# The Windows deliverables: gridwell.exe and the plug-in DLLs (put in Plugins/Tools
# beside the exe, where the program looks for them).

# The version, set once in the top-level project(), for the resources of every binary.
set(GW_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/resources/version.h.in ${GW_GENERATED_DIR}/gw_version.h @ONLY)

# ---- gridwell.exe ----
file(GLOB GW_APP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/shell/*.cpp
  ${CMAKE_SOURCE_DIR}/views/*.cpp
  ${CMAKE_SOURCE_DIR}/print/*.cpp
  ${CMAKE_SOURCE_DIR}/prefs/*.cpp)
# The UI code goes into a library too, so that tests/win can link the real windows.
list(FILTER GW_APP_SOURCES EXCLUDE REGEX ".*/shell/main\\.cpp$")
if(GW_APP_SOURCES)
  add_library(gwui STATIC ${GW_APP_SOURCES})
  target_link_libraries(gwui PUBLIC gwcore comctl32 comdlg32 gdi32 user32 shell32 advapi32 lz32 winmm oleacc oleaut32 ole32 uuid)
  target_compile_options(gwui PRIVATE ${GW_WARNINGS})
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/shell/main.cpp)
  enable_language(RC)
  add_executable(gridwell WIN32 ${CMAKE_SOURCE_DIR}/shell/main.cpp ${CMAKE_SOURCE_DIR}/resources/gridwell.rc)
  target_link_libraries(gridwell PRIVATE gwui)
  target_compile_options(gridwell PRIVATE ${GW_WARNINGS})
  target_include_directories(gridwell PRIVATE ${CMAKE_SOURCE_DIR}/resources)
  target_include_directories(gridwell PRIVATE ${GW_GENERATED_DIR})
  # The resource compiler's dependency scan sees the included .rc and .h files but
  # not the pictures, icons, cursors and manifest they name.
  file(GLOB GW_RESOURCE_FILES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/art/*.bmp ${CMAKE_SOURCE_DIR}/resources/art/dpi/*.bmp
    ${CMAKE_SOURCE_DIR}/resources/art/dpi/*.rc ${CMAKE_SOURCE_DIR}/resources/art/*.ico
    ${CMAKE_SOURCE_DIR}/resources/art/*.cur ${CMAKE_SOURCE_DIR}/resources/*.manifest)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/gridwell.rc PROPERTIES OBJECT_DEPENDS "${GW_RESOURCE_FILES}")
  set_target_properties(gridwell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # The toolbar's logo is read from "Images\tlogo.bmp" beside the exe, and from
  # "Images\tlogo_150.bmp" and its like on screens above 100 %.
  file(GLOB GW_LOGO_SIZES ${CMAKE_SOURCE_DIR}/resources/art/dpi/tlogo_*.bmp)
  add_custom_command(TARGET gridwell POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin/Images
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/art/tlogo.bmp
            ${GW_LOGO_SIZES} ${CMAKE_BINARY_DIR}/bin/Images/)
endif()

# ---- plug-ins: plain C contract, link nothing of gridwell's ----
foreach(plugin timer tipofday)
  file(GLOB GW_PLUGIN_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/plugins/${plugin}/*.c ${CMAKE_SOURCE_DIR}/plugins/${plugin}/*.cpp
    ${CMAKE_SOURCE_DIR}/plugins/${plugin}/*.rc)
  if(GW_PLUGIN_SOURCES)
    if(plugin STREQUAL "timer")
      set(name OVtimer)
    else()
      set(name OVtipofday)
    endif()
    enable_language(RC)
    if(plugin STREQUAL "timer")
      # The COM side of its accessible object is the program's, compiled in (not linked).
      list(APPEND GW_PLUGIN_SOURCES ${CMAKE_SOURCE_DIR}/views/accessible_base.cpp)
    endif()
    add_library(${name} SHARED ${GW_PLUGIN_SOURCES})
    set_target_properties(${name} PROPERTIES PREFIX "" 
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/Plugins/Tools)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/plugins/host ${CMAKE_SOURCE_DIR}/plugins/${plugin})
    # Header-only: the plug-ins ask a window's DPI and pick their pictures as the program does.
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    # The shared version resource, for the .rc only.
    target_include_directories(${name} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${CMAKE_SOURCE_DIR}/resources>
                                               $<$<COMPILE_LANGUAGE:RC>:${GW_GENERATED_DIR}>)
    target_link_libraries(${name} PRIVATE comctl32 gdi32 user32 advapi32 winmm)
    if(plugin STREQUAL "timer")
      # Its own accessible object for screen readers (part of Windows, nothing to ship).
      target_link_libraries(${name} PRIVATE oleacc oleaut32 ole32)
    endif()
    target_compile_options(${name} PRIVATE ${GW_WARNINGS})
  endif()
endforeach()

# ---- benchmarks that need the real windows: run under Wine by the bench layer ----
file(GLOB GW_WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
if(GW_TESTS AND TARGET gwui AND TARGET gridwell)
  foreach(src ${GW_WIN_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE gwui)
    target_compile_options(${name} PRIVATE ${GW_WARNINGS})
    # The source tree in Windows form (Wine maps the Linux root to drive Z:).
    string(REPLACE "/" "\\\\" gw_source "${CMAKE_SOURCE_DIR}")
    target_compile_definitions(${name} PRIVATE GW_SOURCE_DIR="Z:${gw_source}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    add_dependencies(${name} gridwell)
  endforeach()
endif()

# ---- the help files and the installer ----
include(${CMAKE_SOURCE_DIR}/cmake/help.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/installer.cmake)
