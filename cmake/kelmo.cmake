# One static library per subsystem folder. Every .cpp and .ui in the folder
# belongs to it, so a new window needs no edit here.
#
# Windows register themselves by name from static initialisers, so whoever
# uses a subsystem links its archive whole: the target `name` is the usage
# interface, `name_lib` the archive itself.
function(kelmo_subsystem name)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  if(NOT sources)
    # A subsystem without windows yet still links.
    set(leer ${CMAKE_CURRENT_BINARY_DIR}/${name}_leer.cpp)
    file(WRITE ${leer} "// no windows yet\n")
    set(sources ${leer})
  endif()
  add_library(${name}_lib STATIC ${sources})
  target_include_directories(${name}_lib PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}
                             ${CMAKE_CURRENT_BINARY_DIR}/${name}_lib_autogen/include)
  target_link_libraries(${name}_lib PUBLIC Qt6::Widgets ${ARGN})
  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}_lib>")
endfunction()

set(KELMO_WINDOW_LIBS kelmo_info kelmo_hydraulics kelmo_treatment kelmo_costs kelmo_general kelmo_resources)
