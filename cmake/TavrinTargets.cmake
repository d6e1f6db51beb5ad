# tavrin_add_tests(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable per folder; every case is registered with CTest.
function(tavrin_add_tests name)
  if(NOT TAVRIN_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "TAVRIN_DATA_DIR=${TAVRIN_DATA_DIR}")
endfunction()
