# cmake -DORDNER=<build folder> -P zeitlimits.cmake
# Fails, naming them, when tests of the build folder have no time limit: such a test, once it
# hangs, holds the whole run instead of failing.
# ctest rewrites the logs in Testing/ of the folder it runs in, which tell after a failed run what
# failed, and this check runs while the suite is still writing them: the build folder's tests are
# listed from a folder of its own.
set(tmp /tmp)
if(DEFINED ENV{TMPDIR})
  set(tmp "$ENV{TMPDIR}")
endif()
string(RANDOM LENGTH 12 zufall)
set(liste "${tmp}/zeitlimits-${zufall}")
file(MAKE_DIRECTORY "${liste}")
file(WRITE "${liste}/CTestTestfile.cmake" "subdirs([==[${ORDNER}]==])\n")
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --show-only=json-v1
                WORKING_DIRECTORY ${liste} OUTPUT_VARIABLE json RESULT_VARIABLE ergebnis)
file(REMOVE_RECURSE "${liste}")
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "ctest could not list the tests of ${ORDNER}")
endif()
string(JSON tests GET "${json}" tests)
string(JSON anzahl LENGTH "${tests}")
set(ohne)
math(EXPR letzter "${anzahl} - 1")
foreach(i RANGE ${letzter})
  string(JSON test GET "${tests}" ${i})
  string(JSON name GET "${test}" name)
  string(JSON grenze ERROR_VARIABLE keine GET "${test}" properties)
  if(NOT grenze MATCHES "\"name\" *: *\"TIMEOUT\"")
    list(APPEND ohne "${name}")
  endif()
endforeach()
list(LENGTH ohne fehlend)
if(fehlend GREATER 0)
  list(JOIN ohne "\n  " namen)
  message(FATAL_ERROR "${fehlend} of ${anzahl} tests have no time limit:\n  ${namen}")
endif()
message(STATUS "All ${anzahl} tests have a time limit.")
