# surva_library(name dir deps...): one static library of every .cpp in dir.
# New files are picked up without editing any CMakeLists (CONFIGURE_DEPENDS).
function(surva_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# surva_test_suite(name dir deps...): one GoogleTest program of every .cpp in dir.
function(surva_test_suite name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  # The suite's files compiled together: the GoogleTest headers are read
  # once per suite instead of once per file.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ${SURVA_UNITY_TESTS} UNITY_BUILD_BATCH_SIZE 0)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SURVA_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
