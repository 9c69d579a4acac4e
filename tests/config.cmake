tav_win_test(config_test config/ConfigDlg_test.cpp config/ItemDialogs_test.cpp)

# Shows the configuration window or an item dialog with sample data, for screenshots.
if(WIN32)
    add_executable(config_shot config/ConfigShot.cpp)
    target_link_libraries(config_shot PRIVATE tavwin tavres)
    add_dependencies(config_shot stage)
endif()
