# The 32-bit Windows programs we ship; their tests run under 32-bit Wine.
set(ORVANE_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
