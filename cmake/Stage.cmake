# Stages the installation folder: the program, its Explorer extension, its texts (with the
# Simplified Chinese translation beside them, to put in their place), its skin and an empty Data folder.
# Tests and `make run` use this folder, never the source tree.
set(TAV_SKIN_DIR "${CMAKE_BINARY_DIR}/skin")
file(GLOB_RECURSE _skin_inputs CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/assets/skin/*")
add_custom_command(
    OUTPUT "${TAV_SKIN_DIR}/stamp"
    COMMAND "${CMAKE_SOURCE_DIR}/assets/skin/make-skin.sh" "${TAV_SKIN_DIR}"
    COMMAND ${CMAKE_COMMAND} -E touch "${TAV_SKIN_DIR}/stamp"
    DEPENDS ${_skin_inputs}
    COMMENT "Drawing the skin images")
add_custom_target(skin DEPENDS "${TAV_SKIN_DIR}/stamp")

add_custom_target(stage ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory "${TAV_DIST_DIR}/Images" "${TAV_DIST_DIR}/Data"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Tavimoreth> "${TAV_DIST_DIR}/Tavimoreth.exe"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:TavimorethExt> "${TAV_DIST_DIR}/TavimorethExt.dll"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${CMAKE_SOURCE_DIR}/assets/TavimorethConfig.ini" "${TAV_DIST_DIR}/TavimorethConfig.ini"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${CMAKE_SOURCE_DIR}/assets/TavimorethConfig.zh-CN.ini" "${TAV_DIST_DIR}/TavimorethConfig.zh-CN.ini"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${TAV_SKIN_DIR}/Images" "${TAV_DIST_DIR}/Images"
    DEPENDS Tavimoreth TavimorethExt skin "${CMAKE_SOURCE_DIR}/assets/TavimorethConfig.ini"
            "${CMAKE_SOURCE_DIR}/assets/TavimorethConfig.zh-CN.ini"
    COMMENT "Staging ${TAV_DIST_DIR}")
