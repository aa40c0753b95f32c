# Run at install time for one shipped file: its debug information goes to a
# file of its own in the build (with the symbol table), and the installed copy
# keeps neither, only a link to that file.
# Expects orvane_objcopy, orvane_built, orvane_debug and orvane_installed.
get_filename_component(debug_dir ${orvane_debug} DIRECTORY)
file(MAKE_DIRECTORY ${debug_dir})
execute_process(COMMAND ${orvane_objcopy} --only-keep-debug ${orvane_built} ${orvane_debug}
    RESULT_VARIABLE kept)
if(NOT kept EQUAL 0)
    message(FATAL_ERROR "could not keep the debug information of ${orvane_built}")
endif()
execute_process(COMMAND ${orvane_objcopy} --strip-all --add-gnu-debuglink=${orvane_debug}
    ${orvane_installed} RESULT_VARIABLE stripped)
if(NOT stripped EQUAL 0)
    message(FATAL_ERROR "could not strip ${orvane_installed}")
endif()
message(STATUS "Stripped: ${orvane_installed} (debug information in ${orvane_debug})")
