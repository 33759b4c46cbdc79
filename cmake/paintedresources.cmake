# Compiled-in pictures painted by artgen (tools/artgen) during the build.
#
#   kesto_painted_resources(<target> CATALOGUE <name> ART_DIR <dir> QRC <file>
#                           PICTURES <path>... [EXTRA_FILES <alias>=<file>...])
#
# artgen paints the catalogue's pictures into ART_DIR (it refuses to run when its own list
# differs from PICTURES, so the two cannot drift apart); a resource description QRC lists them
# under their paths, plus the extra files, and rcc compiles it into the OBJECT library <target>.
# Objects, unlike a static library, keep the resource's registration, so nothing needs
# Q_INIT_RESOURCE, and $<TARGET_OBJECTS:<target>> can be added to executables in any directory.
# One build from clean is enough with any generator.
function(kesto_painted_resources target)
    cmake_parse_arguments(ARG "" "CATALOGUE;ART_DIR;QRC" "PICTURES;EXTRA_FILES" ${ARGN})

    set(pictures)
    set(entries)
    foreach(picture IN LISTS ARG_PICTURES)
        list(APPEND pictures ${ARG_ART_DIR}/${picture})
        string(APPEND entries "        <file alias=\"${picture}\">${ARG_ART_DIR}/${picture}</file>\n")
    endforeach()
    foreach(extra IN LISTS ARG_EXTRA_FILES)
        string(REPLACE "=" ";" parts "${extra}")
        list(GET parts 0 alias)
        list(GET parts 1 file)
        string(APPEND entries "        <file alias=\"${alias}\">${file}</file>\n")
    endforeach()

    add_custom_command(
        OUTPUT ${pictures}
        COMMAND $<TARGET_FILE:artgen> --catalogue ${ARG_CATALOGUE}
                --product-version "${PROJECT_VERSION}" ${ARG_ART_DIR} ${ARG_PICTURES}
        DEPENDS artgen
        COMMENT "Painting the pictures of the ${ARG_CATALOGUE} catalogue"
        VERBATIM
    )

    # The resource description, rewritten only when its text changes.
    set(text "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n")
    string(APPEND text "${entries}    </qresource>\n</RCC>\n")
    file(WRITE ${ARG_QRC}.in "${text}")
    configure_file(${ARG_QRC}.in ${ARG_QRC} COPYONLY)

    qt5_add_resources(sources ${ARG_QRC})
    add_library(${target} OBJECT ${sources})
    target_link_libraries(${target} PRIVATE Qt5::Core)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
