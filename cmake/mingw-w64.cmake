# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (POSIX threads) and a
# Qt built for it. The Qt folder is KELVANE_QT_MINGW, by default where
# scripts/windows-toolchain.sh unpacks or builds it. Programs run through Wine, so
# tests and GoogleTest's discovery work on this machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT KELVANE_QT_MINGW)
    if(DEFINED ENV{KELVANE_QT_MINGW})
        set(KELVANE_QT_MINGW "$ENV{KELVANE_QT_MINGW}")
    else()
        get_filename_component(KELVANE_QT_MINGW "${CMAKE_CURRENT_LIST_DIR}/../.cache/toolchains/qt6-mingw"
                               ABSOLUTE)
    endif()
endif()
set(KELVANE_QT_MINGW "${KELVANE_QT_MINGW}" CACHE PATH "Qt and GoogleTest built for MinGW-w64")
if(NOT EXISTS "${KELVANE_QT_MINGW}/lib/cmake/Qt6")
    message(FATAL_ERROR "No Qt for MinGW-w64 in ${KELVANE_QT_MINGW}: run scripts/windows-toolchain.sh")
endif()
# Try-compiles see the same Qt folder.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KELVANE_QT_MINGW)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${KELVANE_QT_MINGW}")
set(CMAKE_PREFIX_PATH "${KELVANE_QT_MINGW}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# moc, rcc and uic are the host's own Qt 6 tools of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# Every Windows program of the build (tests, GoogleTest's discovery) runs through Wine,
# with a Wine prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
