# The core's libraries and the layers between them.
#
# Every library names the libraries whose headers its files include (USES).
# The build links exactly those, and the layer check (CheckLayers.cmake, the
# test "layers") fails when a file includes a header of a library its own
# does not name, so the graph below is the one the code keeps to.
#
# Each library's files are recorded as lines "file<TAB>library<TAB>uses" in
# the global property PANEL_LAYER_LINES; panel_write_layers() writes them to
# the build folder for the check.

set_property(GLOBAL PROPERTY PANEL_LAYER_LINES "")

# Records the files of a library and what it uses; no target is made.
function(panel_layer name)
  cmake_parse_arguments(L "" "" "USES;FILES" ${ARGN})
  string(JOIN "," uses ${L_USES})
  foreach(file IN LISTS L_FILES)
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${file})
    set_property(GLOBAL APPEND PROPERTY PANEL_LAYER_LINES "${rel}\t${name}\t${uses}")
  endforeach()
endfunction()

# A room's window-free code: every source and header of src/<ROOM>/ except
# the main window's handler files (FORM), as the library panel_<name>.
# Header-only rooms become interface libraries.
function(panel_room_library name)
  cmake_parse_arguments(L "" "ROOM" "USES;FORM" ${ARGN})
  if(NOT L_ROOM)
    set(L_ROOM ${name})
  endif()
  file(GLOB files CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/${L_ROOM}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${L_ROOM}/*.h)
  foreach(handler IN LISTS L_FORM)
    list(REMOVE_ITEM files ${CMAKE_CURRENT_SOURCE_DIR}/${handler})
  endforeach()
  list(TRANSFORM L_USES PREPEND panel_ OUTPUT_VARIABLE linked)
  set(sources ${files})
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    add_library(panel_${name} STATIC ${files})
    target_include_directories(panel_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_options(panel_${name} PRIVATE ${PANEL_WARNINGS})
    target_link_libraries(panel_${name} PUBLIC ${linked})
  else()
    add_library(panel_${name} INTERFACE)
    target_include_directories(panel_${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(panel_${name} INTERFACE ${linked})
  endif()
  panel_layer(${name} USES ${L_USES} FILES ${files})
endfunction()

# Writes the recorded layers where the check reads them.
function(panel_write_layers)
  get_property(lines GLOBAL PROPERTY PANEL_LAYER_LINES)
  list(SORT lines)
  string(JOIN "\n" text ${lines})
  file(WRITE ${PROJECT_BINARY_DIR}/layers.txt "${text}\n")
endfunction()
