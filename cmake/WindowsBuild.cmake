# Settings of the Windows build (included by the top-level CMakeLists.txt when the
# target system is Windows).

# Wide-character system calls, a Windows 10 baseline, and no min/max macros.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

# GoogleTest as installed, else built from its sources (Debian's package googletest
# for the cross build); its build defines the same GTest::gtest ... targets.
find_package(GTest QUIET)
if(NOT GTest_FOUND)
  set(QUORVEX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  if(NOT EXISTS ${QUORVEX_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest not found: install it or set QUORVEX_GOOGLETEST_SOURCE "
                        "(bash scripts/setup-deps.sh --windows installs Debian's sources)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${QUORVEX_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
