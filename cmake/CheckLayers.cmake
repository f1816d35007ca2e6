# Fails when a file includes a header that belongs to a library its own
# library does not use (see PanelLayers.cmake).
#   cmake -DLAYERS=<build>/layers.txt -DSOURCE_DIR=<repository> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT LAYERS OR NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DLAYERS=layers.txt -DSOURCE_DIR=repo -P CheckLayers.cmake")
endif()

file(STRINGS ${LAYERS} lines)
set(files "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([^\t]+)\t([^\t]+)\t(.*)$")
    message(FATAL_ERROR "${LAYERS}: unreadable line '${line}'")
  endif()
  # Paths become variable names: only letters, digits and underscores.
  string(MAKE_C_IDENTIFIER "${CMAKE_MATCH_1}" key)
  set(owner_${key} ${CMAKE_MATCH_2})
  string(REPLACE "," ";" uses_${key} "${CMAKE_MATCH_3}")
  list(APPEND files ${CMAKE_MATCH_1})
endforeach()
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "${LAYERS} names no files")
endif()

set(faults 0)
foreach(file IN LISTS files)
  string(MAKE_C_IDENTIFIER "${file}" key)
  set(library ${owner_${key}})
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${include}")
    # Headers are named from src/ (the core's include folder).
    string(MAKE_C_IDENTIFIER "src/${header}" header_key)
    if(NOT DEFINED owner_${header_key})
      continue()  # the file's own folder, a generated header or a tool's own
    endif()
    set(wanted ${owner_${header_key}})
    if(wanted STREQUAL library OR wanted IN_LIST uses_${key})
      continue()
    endif()
    message(SEND_ERROR "${file} includes ${header} of library '${wanted}', "
                       "which '${library}' does not use (uses: ${uses_${key}})")
    math(EXPR faults "${faults} + 1")
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) across undeclared layers")
endif()
message(STATUS "layers: ${count} files keep to their libraries' declared uses")
