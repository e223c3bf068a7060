# One static library per subsystem folder. Every .cpp and .ui in the folder
# belongs to it, so a new window needs no edit here.
#
# Windows register themselves by name from static initialisers, so whoever
# uses a subsystem links its archive whole: the target `name` is the usage
# interface, `name_lib` the archive itself.
function(kelmo_subsystem name)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  # Each form becomes its ui_*.h by an explicit rule, so a form added later
  # is always compiled, also in a build directory that exists already.
  file(GLOB forms CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  if(forms)
    qt6_wrap_ui(form_headers ${forms})
    list(APPEND sources ${forms} ${form_headers})
  endif()
  if(NOT sources)
    # A subsystem without windows yet still links.
    set(leer ${CMAKE_CURRENT_BINARY_DIR}/${name}_leer.cpp)
    file(WRITE ${leer} "// no windows yet\n")
    set(sources ${leer})
  endif()
  add_library(${name}_lib STATIC ${sources})
  set_target_properties(${name}_lib PROPERTIES AUTOUIC OFF)
  target_include_directories(${name}_lib PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${name}_lib PUBLIC Qt6::Widgets ${ARGN})
  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}_lib>")
endfunction()

set(KELMO_WINDOW_LIBS kelmo_info kelmo_hydraulics kelmo_treatment kelmo_costs kelmo_general kelmo_resources)
