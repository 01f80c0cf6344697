# Test registration.  Every file tests/<folder>/*_gtest.cpp becomes a GoogleTest
# executable, every tests/<folder>/*_qtest.cpp a Qt Test executable; both link the
# libraries given and run under the offscreen platform.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)

function(vektum_add_test_folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB gtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_gtest.cpp)
  file(GLOB qtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_qtest.cpp)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp
                                      ${CMAKE_CURRENT_SOURCE_DIR}/support/*.h)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  foreach(src IN LISTS gtests qtests)
    get_filename_component(name ${src} NAME_WE)
    set(target test_${folder}_${name})
    add_executable(${target} ${src} ${support})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    # Qt Test is linked everywhere: a folder's support code may use it.
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test)
    if(src MATCHES "_gtest\\.cpp$")
      target_link_libraries(${target} PRIVATE GTest::gtest GTest::gtest_main)
    endif()
    add_test(NAME ${folder}.${name} COMMAND ${target})
    set_tests_properties(${folder}.${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE="
      TIMEOUT 600)
  endforeach()
endfunction()
