tav_win_test(config_test config/ConfigDlg_test.cpp config/ItemDialogs_test.cpp config/ConfigComposed_test.cpp)
if(WIN32)
    add_dependencies(config_test marker)
endif()

# Shows the configuration window or an item dialog with sample data, for screenshots.
if(WIN32)
    add_executable(config_shot config/ConfigShot.cpp)
    target_link_libraries(config_shot PRIVATE tavwin tavres)
    add_dependencies(config_shot stage)
endif()

# Program discovery and web address import: the text rules natively and under Wine, the
# registry, Start menu, browser database and progress window under Wine.
tav_core_test(config_core_test config/ConfigText_test.cpp)
tav_win_test(config_win_test config/ConfigFixtures.cpp config/ProgramDiscovery_test.cpp
    config/WebAddressImport_test.cpp)
if(WIN32)
    # Stands in for the browser, whose running keeps its database locked.
    add_executable(firefox helpers/Firefox.cpp)
    add_dependencies(config_win_test firefox)
    # Discovery and import at the scale of a well-used machine, measured under Wine
    # (scripts/bench.sh runs it).
    add_executable(bench_config_wine config/bench_config_wine.cpp config/ConfigFixtures.cpp)
    target_link_libraries(bench_config_wine PRIVATE tavwin tavres tavtestsupport)
endif()
