# axo_library(NAME FOLDERS f... DEPENDS d...)
# One static library from the sources of src/<f> for each folder; skipped while the folders are empty.
function(axo_library name)
  cmake_parse_arguments(ARG "" "" "FOLDERS;DEPENDS" ${ARGN})
  set(sources)
  foreach(folder IN LISTS ARG_FOLDERS)
    file(GLOB folder_sources CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
    list(APPEND sources ${folder_sources})
  endforeach()
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(NOT sources)
    return()
  endif()
  foreach(dep IN LISTS ARG_DEPENDS)
    if(NOT TARGET ${dep})
      return()
    endif()
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# A test that runs longer than this has hung: it fails instead of holding the run. The slowest
# takes seven seconds, several times that under the sanitizers and on two cores.
set(AXO_TEST_ZEITLIMIT 120)

# axo_test(FOLDER f LIBS l...)
# One GoogleTest executable per tests/<f>, linked with the given libraries and tests/support.
function(axo_test folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  foreach(lib IN LISTS ARG_LIBS)
    if(NOT TARGET ${lib})
      return()
    endif()
  endforeach()
  set(target test_${folder})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE axo_test_support ${ARG_LIBS} GTest::gtest GTest::gmock)
  # A value with a ";" would be split into several here, and the properties after it lost.
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${AXO_TEST_ZEITLIMIT})
endfunction()
