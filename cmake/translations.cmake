# kesto_add_translations(<target> NAME <prefix> TS_DIR <folder> LUPDATE_SOURCES <path>...)
#
# Compiles <TS_DIR>/<prefix>_en.ts, _zh.ts and _ge.ts into "language/<prefix>_xx.qm" beside the
# programs, as part of building <target>, and adds the target <target>_lupdate, which refreshes
# the .ts sources from LUPDATE_SOURCES (folders or files). The .ts files are sources: they are
# updated only by that target, run by hand, never deleted by a clean.
function(kesto_add_translations target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "NAME;TS_DIR" "LUPDATE_SOURCES")
    set(ts_files)
    foreach(lang en zh ge)
        list(APPEND ts_files ${ARG_TS_DIR}/${ARG_NAME}_${lang}.ts)
    endforeach()
    set_source_files_properties(${ts_files} PROPERTIES
        OUTPUT_LOCATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/language)
    qt_add_translation(qm_files ${ts_files})
    string(TOLOWER ${target} name)
    add_custom_target(${name}_translations ALL DEPENDS ${qm_files})
    add_dependencies(${target} ${name}_translations)

    add_custom_target(${name}_lupdate
        COMMAND $<TARGET_FILE:Qt${QT_VERSION_MAJOR}::lupdate> -no-obsolete -locations none
                ${ARG_LUPDATE_SOURCES} -ts ${ts_files}
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        COMMENT "Updating the translation sources of ${target}")
endfunction()
