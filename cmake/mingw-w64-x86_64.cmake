# Cross-compiles Windows programs with Debian's mingw-w64 (x86_64, POSIX threads), against the
# Qt for Windows in QUORVANT_WINDOWS_QT (scripts/windows-qt.sh builds it); the host's Qt gives
# the tools that run during the build (moc, rcc). The tests run here under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${QUORVANT_WINDOWS_QT})
set(CMAKE_PREFIX_PATH ${QUORVANT_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
find_program(WINE_PROGRAM NAMES wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVANT_WINDOWS_QT)
