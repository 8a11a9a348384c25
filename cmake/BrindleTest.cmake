# brindle_add_test(NAME SOURCES src... [LIBS lib...])
# One test program per group of related cases; CTest runs each program as one
# test (Wine start-up dominates a Windows test run, so fewer programs is faster).
# In the Windows build CTest runs the program through the Wine runner.
function(brindle_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  add_test(NAME ${BRINDLE_TEST_PREFIX}${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${BRINDLE_TEST_PREFIX}${name} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "BRINDLE_SOURCE_DIR=${PROJECT_SOURCE_DIR};BRINDLE_BINARY_DIR=${PROJECT_BINARY_DIR}")
  if(WIN32)
    # Windows tests share one virtual desktop: focus and activation must not interleave.
    set_tests_properties(${BRINDLE_TEST_PREFIX}${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()

# brindle_add_subfolders(): adds every subfolder of the current folder that has
# a CMakeLists.txt, so a new test, tool, benchmark or fuzz target adds itself.
function(brindle_add_subfolders)
  file(GLOB entries LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir IN LISTS entries)
    if(EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
