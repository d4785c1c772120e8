# orva_library(NAME DIR DEPS ...): a library of every .cpp in DIR (not recursive).
# A folder without sources yet becomes an interface library so that others can name it.
function(orva_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    target_compile_definitions(${name} PRIVATE ORVA_SOURCE_RESOURCES="${CMAKE_SOURCE_DIR}/resources")
    orva_precompile(${name} Precompiled.h)
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
  # The tests' own sources are compiled with the debugging level of optimisation: the full optimiser
  # took a third of their compile time. Without any, the library templates that a test instantiates
  # ran several times slower, a few tests' far beyond their watchdog on a busy machine. What they
  # test, the libraries and the test support, keeps the build type's optimisation (the benchmarks
  # measure those, built the same way as the program).
  target_compile_options(${name} PRIVATE -Og)
  orva_precompile(${name} PrecompiledTests.h)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30
    PROPERTIES TIMEOUT 60)
endfunction()

# orva_precompile(TARGET HEADER): compiles the target's sources with cmake/HEADER precompiled (when
# ORVA_PCH is on). The first target of each header makes the precompiled header; later ones reuse
# it, which the compiler allows only where their options and definitions agree (it falls back to
# the plain header otherwise and -Winvalid-pch says so).
function(orva_precompile target header)
  if(NOT ORVA_PCH)
    return()
  endif()
  # gcc 12, optimising sources compiled on a precompiled header, warns of bounds in the standard
  # strings' inlined code where there is no fault (about a dozen places, none without it; its
  # known false positives). Those three warnings are left to a build with -DORVA_PCH=OFF and to
  # clang's check.
  if(header STREQUAL "Precompiled.h" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
  endif()
  string(MAKE_C_IDENTIFIER ${header} key)
  get_property(first GLOBAL PROPERTY ORVA_PCH_${key})
  if(first)
    target_precompile_headers(${target} REUSE_FROM ${first})
  else()
    set(path ${CMAKE_SOURCE_DIR}/cmake/${header})
    target_precompile_headers(${target} PRIVATE ${path})
    set_property(GLOBAL PROPERTY ORVA_PCH_${key} ${target})
    # ccache finds the checksum beside the compiled header (see PrecompiledSum.cmake).
    string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
    get_target_property(options ${target} COMPILE_OPTIONS)
    if(NOT options)
      set(options)
    endif()
    list(FILTER options EXCLUDE REGEX "^\\$<")
    string(JOIN " " flags ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}} -std=c++${CMAKE_CXX_STANDARD} ${options})
    set(sum ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${target}.dir/cmake_pch.hxx.gch.sum)
    add_custom_command(OUTPUT ${sum}
      COMMAND ${CMAKE_COMMAND} -DCOMPILER=${CMAKE_CXX_COMPILER} "-DFLAGS=${flags}"
        "-DDEFINITIONS=$<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>" -DSOURCE=${CMAKE_SOURCE_DIR}
        -DHEADER=${path} -DOUTPUT=${sum}
        -P ${CMAKE_SOURCE_DIR}/cmake/PrecompiledSum.cmake
      DEPENDS ${path} ${CMAKE_SOURCE_DIR}/cmake/PrecompiledSum.cmake
      DEPFILE ${sum}.d
      COMMENT "Checksum of the precompiled ${header}"
      VERBATIM)
    add_custom_target(${target}_pch_sum DEPENDS ${sum})
    add_dependencies(${target} ${target}_pch_sum)
  endif()
endfunction()
