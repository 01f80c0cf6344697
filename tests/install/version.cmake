# Runs the staged program with --version on the offscreen platform: it must
# exit with 0, print exactly the version line and nothing on standard error.
#   cmake -DPROGRAM=... -DVERSION=... -P version.cmake
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${PROGRAM} --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "ВЕКТУМ-W, версия ${VERSION}\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "exit status: ${rc}\nstdout: ${out}\nstderr: ${err}")
endif()
