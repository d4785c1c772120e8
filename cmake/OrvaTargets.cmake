# orva_library(NAME DIR DEPS ...): a library of every .cpp in DIR (not recursive).
# A folder without sources yet becomes an interface library so that others can name it.
function(orva_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    target_compile_definitions(${name} PRIVATE ORVA_SOURCE_RESOURCES="${CMAKE_SOURCE_DIR}/resources")
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# Links A to B when A has sources of its own (interface libraries only forward).
function(orva_link_if_compiled a b)
  get_target_property(type ${a} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${a} INTERFACE ${b})
  else()
    target_link_libraries(${a} PUBLIC ${b})
  endif()
endfunction()

# orva_test_folder(DIR LIBS...): one GoogleTest program for every folder of tests
# that holds .cpp files; each test case becomes a ctest test.
function(orva_test_folder dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" name ${dir})
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE test_support ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    ORVA_SOURCE_RESOURCES="${CMAKE_SOURCE_DIR}/resources"
    ORVA_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30
    PROPERTIES TIMEOUT 60)
endfunction()
