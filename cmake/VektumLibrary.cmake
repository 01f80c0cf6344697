# Libraries of the product and the headers they publish.
#
# A library's headers are reached by its users as "folder/file.h" through a
# generated include folder of its own, build/include/<target>/<folder>/, which
# holds a forwarding header for each of exactly that library's headers: one
# line including the real file by its absolute path (not a symbolic link,
# which Windows allows only in developer mode).  A file can therefore include
# only headers of its own library and of the libraries it links: the build
# knows every dependency, and the layering test checks their direction.

# Publishes headers (absolute paths) to the users of target under the include
# spelling "<folder>/<file name>".  scope: PUBLIC for a library, INTERFACE for
# an interface library, PRIVATE for an executable.
function(vektum_publish_headers target scope folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  set(wanted "")
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS ARGN)
    get_filename_component(name ${header} NAME)
    if(IS_SYMLINK ${root}/${folder}/${name})
      file(REMOVE ${root}/${folder}/${name})   # a link made by an earlier build: never write through it
    endif()
    # Written only when its text changes, so a new configure rebuilds nothing.
    file(CONFIGURE OUTPUT ${root}/${folder}/${name}
         CONTENT "// Generated: forwards to the library's header.\n#include \"${header}\"\n")
    list(APPEND wanted ${root}/${folder}/${name})
  endforeach()
  # Forwarders of headers that no longer exist, or of an earlier folder name.
  file(GLOB_RECURSE present LIST_DIRECTORIES false ${root}/*)
  foreach(file IN LISTS present)
    if(NOT file IN_LIST wanted)
      file(REMOVE ${file})
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# vektum_library(<target> FOLDER <folder> [MATCHING <regex>] [EXCLUDING <regex>]
#                [PUBLIC <libs>...] [PRIVATE <libs>...])
# A static library of the .cpp and .h files directly in <folder> (relative to
# the project), optionally only those whose file name matches or does not
# match a regular expression (two libraries in one folder).  PUBLIC lists what
# the library's headers need, PRIVATE what only its sources need.
#
# What differs between the systems lives in files of its own behind one
# header: <name>_windows.cpp is built for Windows, <name>_unix.cpp for every
# other system; the other one is left out.
if(WIN32)
  set(VEKTUM_OTHER_SYSTEM_FILES "_unix\\.cpp$")
else()
  set(VEKTUM_OTHER_SYSTEM_FILES "_windows\\.cpp$")
endif()

function(vektum_library target)
  cmake_parse_arguments(ARG "" "FOLDER;MATCHING;EXCLUDING" "PUBLIC;PRIVATE" ${ARGN})
  file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${ARG_FOLDER}/*.cpp
                                    ${PROJECT_SOURCE_DIR}/${ARG_FOLDER}/*.h)
  set(sources "")
  set(headers "")
  foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    if(ARG_MATCHING AND NOT name MATCHES "${ARG_MATCHING}")
      continue()
    endif()
    if(ARG_EXCLUDING AND name MATCHES "${ARG_EXCLUDING}")
      continue()
    endif()
    if(name MATCHES "${VEKTUM_OTHER_SYSTEM_FILES}")
      continue()
    endif()
    list(APPEND sources ${file})
    if(name MATCHES "\\.h$")
      list(APPEND headers ${file})
    endif()
  endforeach()
  add_library(${target} STATIC ${sources})
  vektum_publish_headers(${target} PUBLIC ${ARG_FOLDER} ${headers})
  target_link_libraries(${target} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()
