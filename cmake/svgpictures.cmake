# Compiled-in pictures drawn from SVG sources by svgrender (tools/svgrender) during the build.
#
#   kesto_svg_resources(<target> SOURCE_DIR <dir> OUTPUT_DIR <dir> QRC <file>
#                       SHEETS "<sheet.svg> <W>x<H> <picture>..." ...
#                       [CONFIGURED <sheet.svg>...]
#                       [ALIASES "<name>=<picture>" ...]
#                       [EXTRA_FILES "<name>=<file>" ...])
#
# Each sheet (a path under SOURCE_DIR) is one SVG drawing cut into cells of W x H, one picture a
# cell, left to right, then top to bottom; svgrender refuses a sheet whose size does not give
# exactly that many cells. Every picture is drawn at scale 1 under its own name and at scale 2
# beside it ("images/a.png" and "images/a@2x.png"), where Qt finds the sharp one on screens that
# scale by two: icons and style sheet images by themselves, other pixmaps through the program's
# loader. CONFIGURED sheets first get @PROJECT_VERSION@ replaced with the product version. An
# alias makes a picture (both scales) available under one more name.
#
# The resource description QRC lists the pictures under their names plus the extra files, and rcc
# compiles it into the OBJECT library <target>. Objects, unlike a static library, keep the
# resource's registration, so nothing needs Q_INIT_RESOURCE, and $<TARGET_OBJECTS:<target>> can
# be added to executables in any directory. One build from clean is enough with any generator.
function(kesto_svg_resources target)
    cmake_parse_arguments(ARG "" "SOURCE_DIR;OUTPUT_DIR;QRC" "SHEETS;CONFIGURED;ALIASES;EXTRA_FILES"
        ${ARGN})

    set(entries)
    foreach(spec IN LISTS ARG_SHEETS)
        separate_arguments(spec UNIX_COMMAND "${spec}")
        list(POP_FRONT spec sheet cell)
        set(source ${ARG_SOURCE_DIR}/${sheet})
        if(sheet IN_LIST ARG_CONFIGURED)
            set(configured ${CMAKE_CURRENT_BINARY_DIR}/configured_sheets/${sheet})
            configure_file(${source} ${configured} @ONLY)
            set(source ${configured})
        endif()
        set(outputs)
        foreach(picture IN LISTS spec)
            string(REGEX REPLACE "\\.([a-z]+)$" "@2x.\\1" doubled ${picture})
            list(APPEND outputs ${ARG_OUTPUT_DIR}/${picture} ${ARG_OUTPUT_DIR}/${doubled})
            string(APPEND entries
                "        <file alias=\"${picture}\">${ARG_OUTPUT_DIR}/${picture}</file>\n"
                "        <file alias=\"${doubled}\">${ARG_OUTPUT_DIR}/${doubled}</file>\n")
        endforeach()
        add_custom_command(
            OUTPUT ${outputs}
            COMMAND ${KESTO_TOOL_LAUNCHER} $<TARGET_FILE:svgrender> --cell ${cell} --scales 1,2 ${source}
                    ${ARG_OUTPUT_DIR} ${spec}
            DEPENDS svgrender ${source}
            COMMENT "Drawing ${sheet}"
            VERBATIM)
    endforeach()
    foreach(alias IN LISTS ARG_ALIASES)
        string(REPLACE "=" ";" parts "${alias}")
        list(GET parts 0 name)
        list(GET parts 1 picture)
        foreach(suffix "" "@2x")
            string(REGEX REPLACE "\\.([a-z]+)$" "${suffix}.\\1" scaledName ${name})
            string(REGEX REPLACE "\\.([a-z]+)$" "${suffix}.\\1" scaledPicture ${picture})
            string(APPEND entries
                "        <file alias=\"${scaledName}\">${ARG_OUTPUT_DIR}/${scaledPicture}</file>\n")
        endforeach()
    endforeach()
    foreach(extra IN LISTS ARG_EXTRA_FILES)
        string(REPLACE "=" ";" parts "${extra}")
        list(GET parts 0 name)
        list(GET parts 1 file)
        string(APPEND entries "        <file alias=\"${name}\">${file}</file>\n")
    endforeach()

    # The resource description, rewritten only when its text changes.
    set(text "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n")
    string(APPEND text "${entries}    </qresource>\n</RCC>\n")
    file(WRITE ${ARG_QRC}.in "${text}")
    configure_file(${ARG_QRC}.in ${ARG_QRC} COPYONLY)

    qt_add_resources(sources ${ARG_QRC})
    add_library(${target} OBJECT ${sources})
    target_link_libraries(${target} PRIVATE Qt::Core)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
