# The configuration window and its item dialogs, program discovery and web address import under
# Wine; their text rules natively and under Wine.
tav_core_test(config_core_test config/ConfigText_test.cpp)
tav_win_test(config_test config/ConfigFixtures.cpp config/ConfigDlg_test.cpp config/ConfigComposed_test.cpp
    config/ItemDialogs_test.cpp config/ProgramDiscovery_test.cpp config/WebAddressImport_test.cpp)
if(WIN32)
    # Stands in for the browser, whose running keeps its database locked.
    add_executable(firefox helpers/Firefox.cpp)
    target_link_libraries(firefox PRIVATE tav::sqlite3)
    add_dependencies(config_test firefox)
endif()
