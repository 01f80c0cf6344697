# Checks the direction of the includes between the folders of a source tree.
#
#   cmake -DROOT=<tree> [-DEXPECT=<count>] -P check_layering.cmake
#
# Every .h and .cpp file of the product folders is read; each #include "..."
# naming a header of another folder must point down this order:
#
#   formula, solver -> tutor -> problem -> platform -> drawing -> eqedit
#     -> exercises, reference, solver/forms -> shell -> app
#
# Folders on the same floor do not include one another.  formula/, solver/,
# tutor/ and problem/ are plain C++: they include no Qt header.  Product code includes nothing of
# tests/ or bench/.  The script prints every offending include and fails unless
# their number is EXPECT (0 by default; the checker's own test gives it a tree
# with known faults).
cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<tree> [-DEXPECT=<count>] -P check_layering.cmake")
endif()
if(NOT DEFINED EXPECT)
  set(EXPECT 0)
endif()

# Floor of each folder; a folder may include its own headers and those of
# folders on lower floors.
set(floor_formula 0)
set(floor_solver 0)
set(floor_tutor 1)
set(floor_problem 2)
set(floor_platform 3)
set(floor_drawing 4)
set(floor_eqedit 5)
set(floor_exercises 6)
set(floor_reference 6)
set(floor_solver/forms 6)
set(floor_shell 7)
set(floor_app 8)
set(folders formula solver tutor problem platform drawing eqedit exercises reference shell app)
# The folders of plain C++.
set(plain formula solver tutor problem)

# The folder a path (relative to the tree) belongs to; empty when none.
function(folder_of path out)
  if(path MATCHES "^solver/forms/")
    set(${out} solver/forms PARENT_SCOPE)
  elseif(path MATCHES "^(tests|bench)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  elseif(path MATCHES "^([^/]+)/" AND CMAKE_MATCH_1 IN_LIST folders)
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

set(faults 0)
set(files "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE found RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  list(APPEND files ${found})
endforeach()
list(SORT files)
if(NOT files)
  message(FATAL_ERROR "no sources under ${ROOT}")
endif()

foreach(file IN LISTS files)
  folder_of(${file} from)
  file(STRINGS ${ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*<(Q[^>]*)>" AND from IN_LIST plain)
      message("${file}: includes <${CMAKE_MATCH_1}>: ${from}/ is plain C++")
      math(EXPR faults "${faults} + 1")
    elseif(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      folder_of(${header} to)
      if(to STREQUAL "" OR to STREQUAL from)
        continue()
      endif()
      if(to STREQUAL "tests" OR to STREQUAL "bench" OR NOT floor_${to} LESS floor_${from})
        message("${file}: includes \"${header}\": ${from}/ may not reach ${to}/")
        math(EXPR faults "${faults} + 1")
      endif()
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
if(NOT faults EQUAL EXPECT)
  message(FATAL_ERROR "${faults} include(s) against the layering in ${count} files (expected ${EXPECT})")
endif()
message(STATUS "${count} files, ${faults} include(s) against the layering, as expected")
