# GoogleTest for both trees: the system package on the host, and the same
# sources compiled for the target in the Windows build.

include(GoogleTest)

if(ONDIRA_WINDOWS)
  set(ONDIRA_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources to build for the target")
  if(NOT EXISTS "${ONDIRA_GOOGLETEST_SOURCE}/CMakeLists.txt")
    message(WARNING "No GoogleTest sources at ${ONDIRA_GOOGLETEST_SOURCE}: tests are not built")
    set(ONDIRA_BUILD_TESTS OFF)
    return()
  endif()
  # The programs link the C runtime statically; so does GoogleTest.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${ONDIRA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(ONDIRA_GTEST_LIBS gmock gtest_main)
else()
  find_package(GTest REQUIRED)
  set(ONDIRA_GTEST_LIBS GTest::gmock GTest::gtest_main)
  if(ONDIRA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# Adds a GoogleTest program; each of its tests becomes a CTest test.
# Windows test programs sit beside the programs they drive.
function(ondira_add_test target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE ${ONDIRA_GTEST_LIBS})
  if(ONDIRA_WINDOWS)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120)
endfunction()
