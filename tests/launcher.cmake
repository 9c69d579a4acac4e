tav_win_test(launcher_test launcher/LauncherDlg_test.cpp)
if(TARGET launcher_test)
    add_dependencies(launcher_test marker)
endif()
