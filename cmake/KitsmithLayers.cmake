# One static library per source folder. Every folder's sources are globbed so that adding a unit
# needs no CMake edit; the layer order is fixed here and checked by the layering test.
function(kitsmith_layer name folder)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  if(NOT _sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    if(ARGN)
      target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
    return()
  endif()
  add_library(${name} STATIC ${_sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  if(ARGN)
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# Test executables: one per folder of tests/, every *_test.cpp in it. Natively each GoogleTest case
# is its own CTest test; under a cross-compiling emulator each executable runs once, because every
# start of a program there is expensive.
function(kitsmith_test_suite name folder)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*_test.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  target_link_libraries(${name} PRIVATE ${ARGN} kitsmith_testsupport GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    KITSMITH_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KITSMITH_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
