# What a Windows user unpacks: the shipped programs in one folder, stripped,
# their debug information kept in the build (debug/<file>.debug, named in each
# program by a debug link, so a crash report can still be read), zipped by
# CPack as Orvane-<version>-<win32|win64>.zip (scripts/package).
#   cmake --install build/win32 [--prefix <folder>]    (build/win32/Orvane unless given)
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX ${CMAKE_BINARY_DIR}/Orvane CACHE PATH "Install folder" FORCE)
endif()

set(ORVANE_DEBUG_DIR ${CMAKE_BINARY_DIR}/debug)

# orvane_ship(<target>...): installed at the top of the folder, then stripped.
function(orvane_ship)
    foreach(target IN LISTS ARGN)
        install(TARGETS ${target} RUNTIME DESTINATION .)
        install(CODE "
            set(orvane_objcopy \"${ORVANE_OBJCOPY}\")
            set(orvane_built \"$<TARGET_FILE:${target}>\")
            set(orvane_debug \"${ORVANE_DEBUG_DIR}/$<TARGET_FILE_NAME:${target}>.debug\")
            set(orvane_installed \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/$<TARGET_FILE_NAME:${target}>\")
            include(\"${CMAKE_CURRENT_FUNCTION_LIST_DIR}/StripShipped.cmake\")")
    endforeach()
endfunction()

# Installing needs only the shipped programs (the target "shipped"), not the
# whole tree with its tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Orvane)
set(CPACK_PACKAGE_VENDOR "the Orvane developers")
set(CPACK_PACKAGE_VERSION ${ORVANE_VERSION_TEXT})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
else()
    set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_PACKAGE_FILE_NAME Orvane-${ORVANE_VERSION_TEXT}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# The zip holds one folder, so unpacking it puts nothing loose beside it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES OFF)
include(CPack)
