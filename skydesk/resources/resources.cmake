# The compiled-in resources of Skydesk: the pictures, drawn from the SVG sources in images/ by
# svgrender (tools/svgrender) during the build, and the style sheets of the page area and of the
# window parts outside it, under the paths the program opens (":/images/splash.png",
# "://images/bg.png", ":/KestoAssistant.qss", ":/KestoChrome.qss", ...). Every
# picture also comes at scale 2 ("images/bg@2x.png") for screens that scale by two.
#
#   include(${CMAKE_SOURCE_DIR}/skydesk/resources/resources.cmake)
#   kesto_skydesk_resources(SKYDESK_RESOURCES)
#   add_executable(Skydesk ... ${SKYDESK_RESOURCES})
#
# kesto_skydesk_resources(<var>) sets <var> to $<TARGET_OBJECTS:kesto_skydesk_resources>, the
# compiled resource (named KestoAssistant) as object files. Objects, unlike a static library,
# keep the resource's registration, so nothing needs Q_INIT_RESOURCE; and the value can be
# added to executables in any directory (test programs included). The first call creates the
# object library in its directory; later calls return the same value. The svgrender target must
# be part of the build (the top-level CMakeLists.txt adds tools/svgrender).

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/svgpictures.cmake)
set(KESTO_SKYDESK_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR})

# Each SVG sheet with its cell size and the pictures its cells become, in reading order.
set(KESTO_SKYDESK_SHEETS
    "splash.svg 517x316 images/splash.png"
    "appicon.svg 256x256 images/appicon.png"
    "frame.svg 850x600 images/frame.png"
    "bg.svg 850x438 images/bg.png"
    "bi.svg 74x66 images/bi.png"
    "sysButton/title_bar_menu.svg 132x22 images/sysButton/title_bar_menu.png"
    "sysButton/title_bar_feedback.svg 132x22 images/sysButton/title_bar_feedback.png"
    "sysButton/sys_button_min.svg 132x22 images/sysButton/sys_button_min.png"
    "sysButton/sys_button_close.svg 188x22 images/sysButton/sys_button_close.png"
    "tool_advanced.svg 48x48 images/tool_advanced.png"
    "tool_tools.svg 48x48 images/tool_tools.png"
    "tool_info.svg 48x48 images/tool_info.png"
    "tool_internal.svg 48x48 images/tool_internal.png"
    "refresh.svg 16x16 images/refresh.ico"
    "arrow_down.svg 12x8 images/arrow_down.png images/arrow_down_disabled.png"
    "spinbox.svg 9x6 images/spinbox/up.png images/spinbox/down.png
        images/spinbox/up_disabled.png images/spinbox/down_disabled.png"
    "checkbox.svg 16x16 images/checkbox/unchecked.png images/checkbox/unchecked_hover.png
        images/checkbox/unchecked_pressed.png images/checkbox/unchecked_disabled.png
        images/checkbox/checked.png images/checkbox/checked_hover.png
        images/checkbox/checked_pressed.png images/checkbox/checked_disabled.png"
    "radiobutton.svg 16x16 images/radiobutton/unchecked.png images/radiobutton/unchecked_hover.png
        images/radiobutton/unchecked_pressed.png images/radiobutton/unchecked_disabled.png
        images/radiobutton/checked.png images/radiobutton/checked_hover.png
        images/radiobutton/checked_pressed.png images/radiobutton/checked_disabled.png"
    "slider.svg 18x18 images/slider/handle.png images/slider/handle_hover.png
        images/slider/handle_pressed.png images/slider/handle_disabled.png"
    "motor_idel_speed.svg 360x120 images/motor_idel_speed.png"
    "motor_idel_speed_button_bg.svg 360x50 images/motor_idel_speed_button_bg.png"
    "motor_idel_speed_btn.svg 56x34 images/motor_idel_speed_btn.png
        images/motor_idel_speed_btn_red.png"
    "current_voltage.svg 200x120 images/current_voltage.png"
    "stick_at.svg 110x110 images/stick_at_1.png images/stick_at_2.png images/stick_at_3.png"
    "GoHomeHover.svg 360x200 images/GoHomeHover_en.png"
    "GoHomeAlt.svg 360x200 images/GoHomeAlt_en.png"
)

function(kesto_skydesk_resources out_var)
    set(objects $<TARGET_OBJECTS:kesto_skydesk_resources>)
    if(NOT TARGET kesto_skydesk_resources)
        # The go-home diagrams carry no lettering (the page lays its translated captions over
        # them), so every language's name shows the same picture.
        kesto_svg_resources(kesto_skydesk_resources
            SOURCE_DIR ${KESTO_SKYDESK_RESOURCES_DIR}/images
            OUTPUT_DIR ${CMAKE_CURRENT_BINARY_DIR}/kesto_art
            QRC ${CMAKE_CURRENT_BINARY_DIR}/KestoAssistant.qrc
            SHEETS ${KESTO_SKYDESK_SHEETS}
            CONFIGURED splash.svg
            ALIASES images/GoHomeHover_zh.png=images/GoHomeHover_en.png
                    images/GoHomeHover_ge.png=images/GoHomeHover_en.png
                    images/GoHomeAlt_zh.png=images/GoHomeAlt_en.png
                    images/GoHomeAlt_ge.png=images/GoHomeAlt_en.png
            EXTRA_FILES KestoAssistant.qss=${KESTO_SKYDESK_RESOURCES_DIR}/KestoAssistant.qss
                        KestoChrome.qss=${KESTO_SKYDESK_RESOURCES_DIR}/KestoChrome.qss
                        KestoScrollBars.qss=${KESTO_SKYDESK_RESOURCES_DIR}/KestoScrollBars.qss)
    endif()
    set(${out_var} ${objects} PARENT_SCOPE)
endfunction()
