# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64).
# The "-posix" compilers are the ones whose C++ library has std::thread.
#
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORVEX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVEX_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program is one self-contained .exe: the C and C++ runtimes and the thread
# library are linked in, so nothing has to be copied beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The static C libraries of the core (SQLite, xxHash) that scripts/setup-windows-libs.sh
# builds from Debian's sources (make test-windows runs it), found under their prefix.
if(NOT QUORVEX_WINDOWS_LIBS)
  set(QUORVEX_WINDOWS_LIBS $ENV{HOME}/.cache/quorvex/mingw-libs)
endif()
set(QUORVEX_WINDOWS_LIBS ${QUORVEX_WINDOWS_LIBS} CACHE PATH "The core's static MinGW libraries")
list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVEX_WINDOWS_LIBS})

# The static Qt of `make setup-windows-qt`, when given (-DQUORVEX_WINDOWS_QT=DIR): it
# is found under its own prefix, with moc, rcc and uic from the host's Qt of the same
# version (Debian's qt6-base-dev-tools).
if(QUORVEX_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVEX_WINDOWS_QT})
  set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, for its tools")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake
      CACHE PATH "The CMake packages of the host's Qt")
endif()
