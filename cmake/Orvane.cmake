# Build conventions shared by every folder.
#
# Each area keeps its portable sources at its root and its Win32 sources in a
# "win32" subfolder; the native tree never sees the latter.

set(ORVANE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)

# The version as the programs show it: the patch level is a letter after the
# minor number, so 1.6.1 is "1.6a" and 1.6.0 plain "1.6".
set(ORVANE_VERSION_TEXT ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
if(PROJECT_VERSION_PATCH GREATER 0)
    if(PROJECT_VERSION_PATCH GREATER 26)
        message(FATAL_ERROR "a patch level above 26 has no letter")
    endif()
    math(EXPR letter "96 + ${PROJECT_VERSION_PATCH}")
    string(ASCII ${letter} letter)
    string(APPEND ORVANE_VERSION_TEXT ${letter})
endif()

add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)

if(WIN32)
    # Windows 7 is the oldest system the programs run on (the thread library
    # alone imports calls of Vista); tests/e2e/package_test.sh checks it.
    add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0600 NOMINMAX STRICT)
    add_link_options(-static -static-libgcc -static-libstdc++)
    # Each architecture has its own test prefix (scripts/lib/environment.sh).
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(prefix_name wineprefix64)
    else()
        set(prefix_name wineprefix)
    endif()
    set(ORVANE_WINE_PREFIX ${CMAKE_BINARY_DIR}/../${prefix_name} CACHE PATH "Wine prefix of the tests")
else()
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Our own code stays free of warnings: any warning fails the build of every
# tree (and so CI). GoogleTest, built from its sources beside ours, and the
# cross-built libjpeg are left to their own rules.
add_compile_options(
    "$<$<PATH:IS_PREFIX,NORMALIZE,${ORVANE_ROOT},$<TARGET_PROPERTY:SOURCE_DIR>>:-Werror>")

# orvane_library(<name> <dir> [DEPS <targets>...])
# A static library of every .cpp directly in <dir> (an interface library while
# the folder has none yet, so areas can be declared before they are written).
function(orvane_library name dir)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        set(scope PUBLIC)
    else()
        add_library(${name} INTERFACE)
        set(scope INTERFACE)
    endif()
    target_include_directories(${name} ${scope} ${ORVANE_ROOT})
    target_link_libraries(${name} ${scope} ${ARG_DEPS})
endfunction()

# orvane_test(<name> <dir>... [LIBS <targets>...])
# One test executable (one ctest entry) from every .cpp directly in the dirs.
# In the Windows tree ctest runs it under Wine in the test prefix; the display
# comes from the caller (scripts/test starts one).
function(orvane_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    set(sources)
    foreach(dir IN LISTS ARG_UNPARSED_ARGUMENTS)
        file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} orvane_test_support GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    if(WIN32)
        # Tested with the controls and the DPI awareness the programs ship with.
        target_link_libraries(${name} PRIVATE orvane_manifest)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "WINEPREFIX=${ORVANE_WINE_PREFIX};ORVANE_WINDOWS_ARCH=${CMAKE_SYSTEM_PROCESSOR}")
    endif()
endfunction()

# orvane_version_resource(<target> <description>)
# The program's version resource, from the one version of the project.
function(orvane_version_resource target description)
    get_target_property(type ${target} TYPE)
    set(file_type VFT_APP)
    if(type STREQUAL SHARED_LIBRARY)
        set(file_type VFT_DLL)
    endif()
    set(file_name $<TARGET_FILE_NAME:${target}>)
    configure_file(${ORVANE_ROOT}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc.in @ONLY)
    file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc
        INPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc.in)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()
