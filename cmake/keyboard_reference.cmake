cmake_minimum_required(VERSION 3.20)
# Writes the help's keyboard page from the program's own tables, so that it cannot
# drift from what the keys do:
#   RC       gridwell.rc (its ACCELERATORS block: the keys that work everywhere)
#   STRINGS  strings.inc (a command's description is its string)
#   KEYS     views/grid_keys.inc (the grid's keys and typed characters)
#   OUT      the page to write
function(html_escape text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(key_label key modifiers out)
  if(key MATCHES "^\"(.)\"$")
    set(label "${CMAKE_MATCH_1}")
  elseif(key STREQUAL "VK_DELETE")
    set(label "Del")
  elseif(key MATCHES "^VK_(F[0-9]+)$")
    set(label "${CMAKE_MATCH_1}")
  elseif(key MATCHES "^VK_(.)(.*)$")
    string(TOLOWER "${CMAKE_MATCH_2}" rest)
    set(label "${CMAKE_MATCH_1}${rest}")
  else()
    message(FATAL_ERROR "keyboard page: cannot name the key ${key}")
  endif()
  foreach(modifier ALT SHIFT CONTROL)  # written Ctrl+Shift+Alt+key
    if(modifiers MATCHES "${modifier}")
      if(modifier STREQUAL "CONTROL")
        set(label "Ctrl+${label}")
      elseif(modifier STREQUAL "SHIFT")
        set(label "Shift+${label}")
      else()
        set(label "Alt+${label}")
      endif()
    endif()
  endforeach()
  set(${out} "${label}" PARENT_SCOPE)
endfunction()

file(STRINGS ${STRINGS} string_lines REGEX "^GW_STRING\\(CMD_")
file(STRINGS ${RC} rc_lines)
set(in_table FALSE)
set(command_rows "")
set(command_count 0)
foreach(line ${rc_lines})
  if(line MATCHES "^[A-Za-z_0-9]+[ \t]+ACCELERATORS")
    set(in_table TRUE)
  elseif(in_table AND line MATCHES "^END")
    set(in_table FALSE)
  elseif(in_table AND line MATCHES "^[ \t]*(\"[^\"]\"|VK_[A-Z0-9_]+),[ \t]*(CMD_[A-Z0-9_]+),[ \t]*VIRTKEY(.*)$")
    set(command ${CMAKE_MATCH_2})
    key_label("${CMAKE_MATCH_1}" "${CMAKE_MATCH_3}" label)
    set(text "")
    foreach(s ${string_lines})
      if(s MATCHES "^GW_STRING\\(${command}, \"([^\"]*)\"\\)")
        set(text "${CMAKE_MATCH_1}")
      endif()
    endforeach()
    if(text STREQUAL "")
      message(FATAL_ERROR "keyboard page: ${command} has no description in ${STRINGS}")
    endif()
    html_escape("${text}" text)
    string(APPEND command_rows "<tr><td>${label}</td><td>${text}</td></tr>\n")
    math(EXPR command_count "${command_count} + 1")
  endif()
endforeach()

file(STRINGS ${KEYS} key_lines REGEX "^GW_GRID_(KEY|CHAR)\\(")
set(grid_rows "")
set(grid_count 0)
foreach(line ${key_lines})
  if(NOT line MATCHES "^GW_GRID_(KEY|CHAR)\\(([^,]+),[ \t]*([A-Za-z]+),.*\"([^\"]+)\"\\)[ \t]*$")
    message(FATAL_ERROR "keyboard page: cannot read the grid key row: ${line}")
  endif()
  set(code "${CMAKE_MATCH_2}")
  set(modifier "${CMAKE_MATCH_3}")
  html_escape("${CMAKE_MATCH_4}" text)
  if(code STREQUAL "' '")
    set(label "Space")
  elseif(code STREQUAL "0")
    set(label "A letter, digit or symbol")
  elseif(code MATCHES "^'(.)'$")
    set(label "${CMAKE_MATCH_1}")
  elseif(code STREQUAL "VK_BACK")
    set(label "Backspace")
  elseif(code STREQUAL "VK_RETURN")
    set(label "Enter")
  else()
    key_label("${code}" "" label)
  endif()
  if(code STREQUAL "VK_DELETE")
    set(label "Delete")
  endif()
  if(modifier STREQUAL "Shift")
    set(label "Shift+${label}")
  elseif(modifier STREQUAL "Ctrl")
    set(label "Ctrl+${label}")
  endif()
  html_escape("${label}" label)
  string(APPEND grid_rows "<tr><td>${label}</td><td>${text}</td></tr>\n")
  math(EXPR grid_count "${grid_count} + 1")
endforeach()

if(command_count EQUAL 0 OR grid_count EQUAL 0)
  message(FATAL_ERROR "keyboard page: found ${command_count} accelerators and ${grid_count} grid keys")
endif()

file(WRITE ${OUT} "<!DOCTYPE html>
<html>
<head>
<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">
<title>Keyboard reference</title>
<link rel=\"stylesheet\" href=\"gridwell.css\">
</head>
<body>
<h1>Keyboard reference</h1>
<p>This page is written from the program's own key tables when Gridwell is built.</p>
<h2>Commands</h2>
<p>These keys work whenever a puzzle is open (Ctrl+O also without one).</p>
<table>
<tr><th>Key</th><th>Command</th></tr>
${command_rows}</table>
<h2>In the grid</h2>
<p>These keys work while the grid has the keyboard. Where two rows name the same key, the one
with Shift wins when Shift and Ctrl are both held.</p>
<table>
<tr><th>Key</th><th>What it does</th></tr>
${grid_rows}</table>
<p>The menus also open with Alt and the underlined letter, as in every Windows program.
See also the <a href=\"quick_ref.htm\">quick reference</a>.</p>
</body>
</html>
")
