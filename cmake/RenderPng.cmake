# Pictures are drawn once as SVG and turned into PNGs of fixed sizes at build
# time: the program then needs no SVG renderer, whose plugin and library would
# cost start-up time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# zerowik_render_png(SVG SIZE OUTPUT): OUTPUT becomes the SIZE x SIZE picture.
function(zerowik_render_png svg size output)
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${output} ${svg}
    DEPENDS ${svg}
    VERBATIM)
endfunction()
