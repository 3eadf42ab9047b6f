# Makes the intro once more in a folder of its own and compares it with the
# build's copy: two runs of the tool must give the same bytes.
#   cmake -DTOOL=<make_intro> -DASSETS=<assets> -DOUT=<folder> -DSHIPPED=<intro.avi> -P check_same.cmake
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${TOOL}" "${ASSETS}" "${OUT}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_intro failed: ${rc}")
endif()
file(SHA256 "${OUT}/SND/intro.avi" again)
file(SHA256 "${SHIPPED}" shipped)
if(NOT again STREQUAL shipped)
  message(FATAL_ERROR "the intro differs between two runs of the tool")
endif()
file(REMOVE_RECURSE "${OUT}")
