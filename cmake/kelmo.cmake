# One static library per subsystem folder. Every .cpp and .ui in the folder
# belongs to it, so a new window needs no edit here; the windows opened by
# name are listed once, in app/fensterliste.cpp.
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
  add_library(${name} STATIC ${sources})
  set_target_properties(${name} PROPERTIES AUTOUIC OFF)
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARGN})
endfunction()

set(KELMO_WINDOW_LIBS kelmo_info kelmo_hydraulics kelmo_treatment kelmo_costs kelmo_general kelmo_resources)
