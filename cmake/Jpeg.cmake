# libjpeg as the imported target orvane_jpeg. Natively Debian's libjpeg62-turbo;
# for Windows the static library that scripts/setup cross-builds per
# architecture into the build folder's deps/.
add_library(orvane_jpeg INTERFACE IMPORTED GLOBAL)
if(WIN32)
    set(ORVANE_DEPS_DIR ${CMAKE_BINARY_DIR}/../deps CACHE PATH "Cross-built dependencies")
    set(jpeg_dir ${ORVANE_DEPS_DIR}/${CMAKE_SYSTEM_PROCESSOR})
    if(NOT EXISTS ${jpeg_dir}/lib/libjpeg.a)
        message(FATAL_ERROR "No libjpeg for ${CMAKE_SYSTEM_PROCESSOR} in ${jpeg_dir}: run scripts/setup")
    endif()
    target_include_directories(orvane_jpeg INTERFACE ${jpeg_dir}/include)
    target_link_libraries(orvane_jpeg INTERFACE ${jpeg_dir}/lib/libjpeg.a)
else()
    find_package(JPEG REQUIRED)
    target_link_libraries(orvane_jpeg INTERFACE JPEG::JPEG)
endif()
