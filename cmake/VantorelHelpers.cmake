# One static library per layer; its sources are every .cpp in the folder, so
# adding a file pair needs no edit here.
function(vt_layer_library name dir)
  file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _srcs)
    set(_srcs ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${_srcs} ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
endfunction()

# A data tool: a program that writes game files into ${VT_GAME_DIR}.
#   vt_data_tool(NAME tool SOURCES a.cpp OUTPUTS Data/X.bin DEPENDS assets/x.txt)
# The tool runs as: tool <assets dir> <game dir>, and is rerun only when the
# tool or one of its declared assets changes.
function(vt_data_tool)
  cmake_parse_arguments(T "" "NAME" "SOURCES;OUTPUTS;DEPENDS;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE vt_model vt_platform ${T_LIBS})
  if(VT_GAME_DATA_FROM)
    # The data comes from another build: the tool is built only on request.
    set_target_properties(${T_NAME} PROPERTIES EXCLUDE_FROM_ALL TRUE)
  endif()
  set(_outs)
  foreach(o ${T_OUTPUTS})
    list(APPEND _outs ${VT_GAME_DIR}/${o})
  endforeach()
  set(_deps)
  foreach(d ${T_DEPENDS})
    list(APPEND _deps ${CMAKE_SOURCE_DIR}/${d})
  endforeach()
  add_custom_command(
    OUTPUT ${_outs}
    COMMAND ${T_NAME} ${CMAKE_SOURCE_DIR}/assets ${VT_GAME_DIR}
    DEPENDS ${T_NAME} ${_deps}
    COMMENT "Building game data with ${T_NAME}"
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY VT_GAME_FILES ${_outs})
endfunction()
