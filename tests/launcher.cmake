tav_win_test(launcher_test launcher/LauncherDlg_test.cpp)
if(TARGET launcher_test)
    add_dependencies(launcher_test marker)
endif()
if(WIN32)
    # The window at the scale of a large item list, measured under Wine (scripts/bench.sh runs it).
    add_executable(bench_launcher_wine launcher/bench_launcher_wine.cpp)
    target_link_libraries(bench_launcher_wine PRIVATE tavwin tavres tavtestsupport)
endif()
