# The compiled-in pictures of Saybox, drawn from the SVG sources in images/ by svgrender
# (tools/svgrender) during the build, under the paths the program opens
# (":/images/images/tubiao1.png", ":/images/images/smile.png", ...), each also at scale 2
# ("tubiao1@2x.png") for screens that scale by two.
#
#   include(${CMAKE_SOURCE_DIR}/saybox/resources/resources.cmake)
#   kesto_saybox_resources(SAYBOX_RESOURCES)
#   add_executable(Saybox ... ${SAYBOX_RESOURCES})
#
# kesto_saybox_resources(<var>) sets <var> to $<TARGET_OBJECTS:kesto_saybox_resources>, the
# compiled resource (named saybox) as object files. Objects, unlike a static library, keep the
# resource's registration, so nothing needs Q_INIT_RESOURCE; and the value can be added to
# executables in any directory (test programs included). The first call creates the object
# library in its directory; later calls return the same value. The svgrender target must be
# part of the build (the top-level CMakeLists.txt adds tools/svgrender). The resource holds the
# pictures only.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/svgpictures.cmake)
set(KESTO_SAYBOX_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR})

# Each SVG sheet with its cell size and the pictures its cells become, in reading order.
set(KESTO_SAYBOX_SHEETS
    "saybox.svg 64x64 images/images/saybox.png"
    "tubiao1.svg 24x24 images/images/tubiao1.png"
    "tubiao2.svg 24x24 images/images/tubiao2.png"
    "tubiao3.svg 24x24 images/images/tubiao3.png"
    "delete.svg 16x16 images/images/delete_gray.png images/images/delete_red.png"
    "smile.svg 96x96 images/images/smile.png"
    "cry.svg 96x96 images/images/cry.png"
)

function(kesto_saybox_resources out_var)
    set(objects $<TARGET_OBJECTS:kesto_saybox_resources>)
    if(NOT TARGET kesto_saybox_resources)
        # Its own folder and file names, so that Skydesk's resources can be made beside it.
        kesto_svg_resources(kesto_saybox_resources
            SOURCE_DIR ${KESTO_SAYBOX_RESOURCES_DIR}/images
            OUTPUT_DIR ${CMAKE_CURRENT_BINARY_DIR}/saybox_art
            QRC ${CMAKE_CURRENT_BINARY_DIR}/saybox.qrc
            SHEETS ${KESTO_SAYBOX_SHEETS})
    endif()
    set(${out_var} ${objects} PARENT_SCOPE)
endfunction()
