# Shared by the two Windows toolchain files, which set ORVANE_MINGW_ARCH first.
# MinGW-w64 with the posix thread model: GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ORVANE_MINGW_ARCH})
set(triplet ${ORVANE_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(ORVANE_DLLTOOL ${triplet}-dlltool)
# Splits the debug information off the shipped files (cmake/Package.cmake).
set(ORVANE_OBJCOPY ${triplet}-objcopy)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests and other programs the build runs go through the one Wine starter.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
