# Runs artgen where fontconfig knows only the DejaVu fonts, which have no Chinese glyphs: artgen
# must stop with a non-zero exit status, say why, and write no Chinese picture.
#   cmake -DARTGEN=<artgen> -DWORK_DIR=<scratch folder> -P artgen_without_cjk_font.cmake
if(NOT ARTGEN OR NOT WORK_DIR)
    message(FATAL_ERROR "ARTGEN and WORK_DIR are required")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/cache)
file(WRITE ${WORK_DIR}/fonts.conf "<?xml version=\"1.0\"?>
<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>${WORK_DIR}/cache</cachedir>
</fontconfig>
")
set(ENV{FONTCONFIG_FILE} ${WORK_DIR}/fonts.conf)
set(ENV{QT_QPA_PLATFORM} offscreen)

execute_process(
    COMMAND ${ARTGEN} ${WORK_DIR}/out
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
)
if(result EQUAL 0)
    message(FATAL_ERROR "artgen succeeded without a CJK font:\n${output}${errors}")
endif()
if(NOT errors MATCHES "Chinese glyphs")
    message(FATAL_ERROR "artgen failed (${result}) without naming the missing font:\n${errors}")
endif()
file(GLOB painted ${WORK_DIR}/out/images/*_zh.png)
if(painted)
    message(FATAL_ERROR "artgen wrote ${painted} without a CJK font")
endif()
message(STATUS "artgen refused as expected: ${errors}")
