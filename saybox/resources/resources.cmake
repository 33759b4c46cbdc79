# The compiled-in pictures of Saybox, painted by artgen (tools/artgen, "--catalogue saybox")
# during the build, under the paths the program opens (":/images/images/tubiao1.png",
# ":/images/images/loading.gif", ...).
#
#   include(${CMAKE_SOURCE_DIR}/saybox/resources/resources.cmake)
#   kesto_saybox_resources(SAYBOX_RESOURCES)
#   add_executable(Saybox ... ${SAYBOX_RESOURCES})
#
# kesto_saybox_resources(<var>) sets <var> to $<TARGET_OBJECTS:kesto_saybox_resources>, the
# compiled resource (named saybox) as object files. Objects, unlike a static library, keep the
# resource's registration, so nothing needs Q_INIT_RESOURCE; and the value can be added to
# executables in any directory (test programs included). The first call creates the object
# library in its directory: artgen paints the pictures, then rcc compiles them, so one build from
# clean is enough with any generator. Later calls return the same value. The artgen target must
# be part of the build (the top-level CMakeLists.txt adds tools/artgen). The resource holds the
# pictures only.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/paintedresources.cmake)

# Every picture artgen paints for Saybox, as the resource system names it. artgen refuses to run
# when its own list differs, so the two cannot drift apart.
set(KESTO_SAYBOX_PICTURES
    images/images/saybox.png
    images/images/tubiao1.png
    images/images/tubiao2.png
    images/images/tubiao3.png
    images/images/delete_gray.png
    images/images/delete_red.png
    images/images/smile.png
    images/images/cry.png
    images/images/loading.gif
)

function(kesto_saybox_resources out_var)
    set(objects $<TARGET_OBJECTS:kesto_saybox_resources>)
    if(NOT TARGET kesto_saybox_resources)
        # Its own folder and file names, so that Skydesk's resources can be made beside it.
        kesto_painted_resources(kesto_saybox_resources
            CATALOGUE saybox
            ART_DIR ${CMAKE_CURRENT_BINARY_DIR}/saybox_art
            QRC ${CMAKE_CURRENT_BINARY_DIR}/saybox.qrc
            PICTURES ${KESTO_SAYBOX_PICTURES})
    endif()
    set(${out_var} ${objects} PARENT_SCOPE)
endfunction()
