# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the shared letter <-> rune table (rovasjelek.txt) into a C++ include
# file, at configure time; cmake runs again whenever the table changes.
function(rovas_rovasjelek_tabla tabla kimenet)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tabla})
  file(STRINGS ${tabla} sorok ENCODING UTF-8)
  set(rovasjelek "")
  set(szamjelek "")
  set(irasok "")
  foreach(sor IN LISTS sorok)
    string(REGEX REPLACE "#.*" "" sor "${sor}")
    string(STRIP "${sor}" sor)
    if(sor STREQUAL "")
      continue()
    endif()
    string(REGEX REPLACE "[ \t]+" ";" mezok "${sor}")
    list(POP_FRONT mezok fajta kulcs)
    if(fajta STREQUAL "rune")
      string(APPEND rovasjelek "    {\"${kulcs}\"_hu, 0x${mezok}},\n")
    elseif(fajta STREQUAL "numeral")
      string(APPEND szamjelek "    {${kulcs}, 0x${mezok}},\n")
    elseif(fajta STREQUAL "letters")
      list(JOIN mezok " " hangok)
      string(APPEND irasok "    {\"${kulcs}\"_hu, \"${hangok}\"_hu},\n")
    else()
      message(FATAL_ERROR "${tabla}: unknown entry '${sor}'")
    endif()
  endforeach()
  file(CONFIGURE OUTPUT ${kimenet} @ONLY CONTENT
"// Generated from src/fonts/rovasjelek.txt by src/fonts/rovasjelek.cmake; do not edit.
// Windows-1250 texts (the _hu literals of platform/win1250.h).
inline constexpr TRovasjel kRovasjelek[] = {
@rovasjelek@};
inline constexpr TSzamjel kSzamjelek[] = {
@szamjelek@};
inline constexpr TBetuIras kBetuIrasok[] = {
@irasok@};
")
endfunction()
