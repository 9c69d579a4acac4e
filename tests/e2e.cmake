# End-to-end tests: the real staged program under Wine in Xvfb, driven with real keys.
if(WIN32 AND CMAKE_CROSSCOMPILING AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    foreach(scenario start_by_short_name hotkeys handoff shellext tour)
        add_test(NAME e2e_${scenario}
            COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/e2e/${scenario}.sh" "${TAV_DIST_DIR}" "${CMAKE_CURRENT_BINARY_DIR}")
        set_tests_properties(e2e_${scenario} PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
    endforeach()
    # The tour walks the whole program twice over; it stops itself earlier (time_limit).
    set_tests_properties(e2e_tour PROPERTIES TIMEOUT 600)
endif()
