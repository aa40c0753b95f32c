# A 64-bit build of the same sources, for running the Windows tests under
# 64-bit Wine on machines that cannot execute 32-bit programs.
set(ORVANE_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
