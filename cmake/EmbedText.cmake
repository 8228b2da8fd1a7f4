# zarion_embed_text(<target> <symbol> <file>): compiles the text of <file> into <target>
# as `extern const char* const <symbol>` so the program needs no data files at run time.
function(zarion_embed_text target symbol file)
    set(out "${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp")
    add_custom_command(
        OUTPUT "${out}"
        COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DSYMBOL=${symbol}
                -P "${PROJECT_SOURCE_DIR}/cmake/EmbedTextRun.cmake"
        DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/EmbedTextRun.cmake"
        COMMENT "Embedding ${file}")
    target_sources(${target} PRIVATE "${out}")
endfunction()
