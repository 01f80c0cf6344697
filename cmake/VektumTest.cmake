# Test registration.  Every file tests/<folder>/*_gtest.cpp becomes a GoogleTest
# executable, every tests/<folder>/*_qtest.cpp a Qt Test executable; both run
# under the offscreen platform.
#
#   vektum_add_test_folder([LIBS <libs>...] [GTEST_LIBS <libs>...] [QTEST_LIBS <libs>...]
#                          [EMULATED_QTEST_ARGS <args>...])
#
# LIBS are linked into every test of the folder, GTEST_LIBS only into the
# GoogleTest ones, QTEST_LIBS only into the Qt Test ones.  EMULATED_QTEST_ARGS
# are given to the Qt Test ones when they run under an emulator (Wine).  A test links exactly
# the libraries whose headers it includes.  The folder's support/*.cpp is
# compiled into every test of the folder; Qt Test is linked only into the Qt
# Test executables, so support code used by a GoogleTest must not need it.
# What tests of several folders share is the library vektum_test_support
# (tests/support), named in LIBS or QTEST_LIBS like any other.
# With VEKTUM_CORES_ONLY only the GoogleTest ones are made, and Qt is not
# needed.
find_package(GTest REQUIRED)
if(NOT VEKTUM_CORES_ONLY)
  find_package(Qt6 REQUIRED COMPONENTS Test)
endif()

function(vektum_add_test_folder)
  cmake_parse_arguments(ARG "" "" "LIBS;GTEST_LIBS;QTEST_LIBS;EMULATED_QTEST_ARGS" ${ARGN})
  file(GLOB gtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_gtest.cpp)
  set(qtests "")
  if(NOT VEKTUM_CORES_ONLY)
    file(GLOB qtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_qtest.cpp)
  endif()
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp
                                      ${CMAKE_CURRENT_SOURCE_DIR}/support/*.h)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  foreach(src IN LISTS gtests qtests)
    get_filename_component(name ${src} NAME_WE)
    set(target test_${folder}_${name})
    add_executable(${target} ${src} ${support})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    if(src MATCHES "_gtest\\.cpp$")
      target_link_libraries(${target} PRIVATE ${ARG_GTEST_LIBS} GTest::gtest GTest::gtest_main)
      set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    else()
      target_link_libraries(${target} PRIVATE ${ARG_QTEST_LIBS} Qt6::Test)
    endif()
    set(args "")
    set(environment "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE=")
    set(timeout 600)
    if(CMAKE_CROSSCOMPILING_EMULATOR AND WIN32 AND NOT src MATCHES "_gtest\\.cpp$")
      # Under Wine the plain text of Qt Test reaches no output; its TAP form
      # does.  Windows there run several times slower than here: Qt Test's
      # own five-minute limit per test function would end the monkey.
      set(args -o -,tap ${ARG_EMULATED_QTEST_ARGS})
      list(APPEND environment "QTEST_FUNCTION_TIMEOUT=1800000")
      set(timeout 1800)
    endif()
    add_test(NAME ${folder}.${name} COMMAND ${target} ${args})
    set_tests_properties(${folder}.${name} PROPERTIES
      ENVIRONMENT "${environment}"
      TIMEOUT ${timeout})
  endforeach()
endfunction()
