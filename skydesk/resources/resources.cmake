# The compiled-in resources of Skydesk: the pictures, painted by artgen (tools/artgen) during the
# build, and the page style sheet, under the paths the program opens (":/images/splash.png",
# "://images/bg.png", ":/KestoAssistant.qss", ...).
#
#   include(${CMAKE_SOURCE_DIR}/skydesk/resources/resources.cmake)
#   kesto_skydesk_resources(SKYDESK_RESOURCES)
#   add_executable(Skydesk ... ${SKYDESK_RESOURCES})
#
# kesto_skydesk_resources(<var>) sets <var> to $<TARGET_OBJECTS:kesto_skydesk_resources>, the
# compiled resource (named KestoAssistant) as object files. Objects, unlike a static library,
# keep the resource's registration, so nothing needs Q_INIT_RESOURCE; and the value can be
# added to executables in any directory (test programs included). The first call creates the
# object library in its directory: artgen paints the pictures, then rcc compiles them, so one
# build from clean is enough with any generator. Later calls return the same value. The artgen
# target must be part of the build (the top-level CMakeLists.txt adds tools/artgen).

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/paintedresources.cmake)
set(KESTO_SKYDESK_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR})

# Every picture artgen paints, as the resource system names it. artgen refuses to run when its
# own list differs, so the two cannot drift apart.
set(KESTO_SKYDESK_PICTURES
    images/splash.png
    images/frame.png
    images/bg.png
    images/bi.png
    images/sysButton/title_bar_menu.png
    images/sysButton/title_bar_feedback.png
    images/sysButton/sys_button_min.png
    images/sysButton/sys_button_close.png
    images/tool_advanced.png
    images/tool_tools.png
    images/tool_info.png
    images/tool_internal.png
    images/refresh.ico
    images/arrow_down.png
    images/arrow_down_disabled.png
    images/spinbox/up.png
    images/spinbox/down.png
    images/spinbox/up_disabled.png
    images/spinbox/down_disabled.png
    images/checkbox/unchecked.png
    images/checkbox/unchecked_hover.png
    images/checkbox/unchecked_pressed.png
    images/checkbox/unchecked_disabled.png
    images/checkbox/checked.png
    images/checkbox/checked_hover.png
    images/checkbox/checked_pressed.png
    images/checkbox/checked_disabled.png
    images/radiobutton/unchecked.png
    images/radiobutton/unchecked_hover.png
    images/radiobutton/unchecked_pressed.png
    images/radiobutton/unchecked_disabled.png
    images/radiobutton/checked.png
    images/radiobutton/checked_hover.png
    images/radiobutton/checked_pressed.png
    images/radiobutton/checked_disabled.png
    images/slider/handle.png
    images/slider/handle_hover.png
    images/slider/handle_pressed.png
    images/slider/handle_disabled.png
    images/motor_idel_speed.png
    images/motor_idel_speed_button_bg.png
    images/motor_idel_speed_btn.png
    images/motor_idel_speed_btn_red.png
    images/current_voltage.png
    images/stick_at_1.png
    images/stick_at_2.png
    images/stick_at_3.png
    images/GoHomeHover_en.png
    images/GoHomeAlt_en.png
    images/GoHomeHover_zh.png
    images/GoHomeAlt_zh.png
    images/GoHomeHover_ge.png
    images/GoHomeAlt_ge.png
)

function(kesto_skydesk_resources out_var)
    set(objects $<TARGET_OBJECTS:kesto_skydesk_resources>)
    if(NOT TARGET kesto_skydesk_resources)
        kesto_painted_resources(kesto_skydesk_resources
            CATALOGUE skydesk
            ART_DIR ${CMAKE_CURRENT_BINARY_DIR}/kesto_art
            QRC ${CMAKE_CURRENT_BINARY_DIR}/KestoAssistant.qrc
            PICTURES ${KESTO_SKYDESK_PICTURES}
            EXTRA_FILES KestoAssistant.qss=${KESTO_SKYDESK_RESOURCES_DIR}/KestoAssistant.qss)
    endif()
    set(${out_var} ${objects} PARENT_SCOPE)
endfunction()
