# Combines the operator page into one self-contained HTML file, the form the program carries.
#
#   cmake -DSOURCE_DIR=<this folder> -DOUTPUT=<file> -P combine.cmake
#
# Every `<link rel="stylesheet" href="NAME">` of index.html becomes a <style> element holding
# that file, and every `<script src="NAME"></script>` a <script> element holding it, in the order
# index.html lists them. Text that would end the element early ("</script", "</style") or open
# an HTML comment inside a script ("<!--") is escaped. Every .js and .css file of the folder
# must be referenced, so that a new file cannot be left out silently.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED SOURCE_DIR OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<dir> -DOUTPUT=<file> -P combine.cmake")
endif()

file(READ "${SOURCE_DIR}/index.html" remaining)
set(combined "")
set(referenced "")

set(tag_pattern "<link rel=\"stylesheet\" href=\"([A-Za-z0-9_.-]+)\">|<script src=\"([A-Za-z0-9_.-]+)\"></script>")

while(TRUE)
  string(REGEX MATCH "${tag_pattern}" tag "${remaining}")
  if(tag STREQUAL "")
    break()
  endif()
  set(stylesheet "${CMAKE_MATCH_1}")
  set(script "${CMAKE_MATCH_2}")

  string(FIND "${remaining}" "${tag}" tag_start)
  string(LENGTH "${tag}" tag_length)
  math(EXPR tag_end "${tag_start} + ${tag_length}")
  string(SUBSTRING "${remaining}" 0 ${tag_start} before)
  string(SUBSTRING "${remaining}" ${tag_end} -1 remaining)
  string(APPEND combined "${before}")

  if(NOT stylesheet STREQUAL "")
    set(name "${stylesheet}")
  else()
    set(name "${script}")
  endif()
  if(NOT EXISTS "${SOURCE_DIR}/${name}")
    message(FATAL_ERROR "combine.cmake: index.html refers to ${name}, which does not exist")
  endif()
  list(APPEND referenced "${name}")
  file(READ "${SOURCE_DIR}/${name}" body)

  if(NOT stylesheet STREQUAL "")
    string(REPLACE "</style" "<\\/style" body "${body}")
    string(REPLACE "</STYLE" "<\\/STYLE" body "${body}")
    if(body MATCHES "</[Ss][Tt][Yy][Ll][Ee]")
      message(FATAL_ERROR "combine.cmake: ${name} contains a closing style tag in mixed case")
    endif()
    string(APPEND combined "<style>\n${body}</style>")
  else()
    string(REPLACE "</script" "<\\/script" body "${body}")
    string(REPLACE "</SCRIPT" "<\\/SCRIPT" body "${body}")
    string(REPLACE "<!--" "<\\!--" body "${body}")
    if(body MATCHES "</[Ss][Cc][Rr][Ii][Pp][Tt]")
      message(FATAL_ERROR "combine.cmake: ${name} contains a closing script tag in mixed case")
    endif()
    string(APPEND combined "<script>\n${body}</script>")
  endif()
endwhile()
string(APPEND combined "${remaining}")

if(combined MATCHES "<script[^>]* src=|<link[^>]* href=")
  message(FATAL_ERROR "combine.cmake: index.html refers to a file in a form this script does not inline")
endif()

file(GLOB page_sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.js" "${SOURCE_DIR}/*.css")
foreach(source IN LISTS page_sources)
  if(NOT source IN_LIST referenced)
    message(FATAL_ERROR "combine.cmake: ${source} is not referenced by index.html")
  endif()
endforeach()

# Written through a temporary file, so that an interrupted build never leaves half a page.
file(WRITE "${OUTPUT}.tmp" "${combined}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
