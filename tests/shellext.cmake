# The Explorer extension loaded in-process as the shell loads it, and its exports on both
# architectures.
tav_win_test(shellext_test shellext/ShellExt_test.cpp shellext/ShellExtLoader.cpp config/ConfigFixtures.cpp)
if(WIN32)
    add_dependencies(shellext_test TavimorethExt)
endif()
if(WIN32 AND CMAKE_CROSSCOMPILING AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_test(NAME shellext_exports
        COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/shellext/exports.sh" "${TAV_DIST_DIR}/.."
        WORKING_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
endif()
if(WIN32)
    # The Explorer's part in the end-to-end test.
    add_executable(shellinvoke helpers/ShellInvoke.cpp shellext/ShellExtLoader.cpp)
    target_include_directories(shellinvoke PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(shellinvoke PRIVATE shell32 ole32 uuid)
endif()
