# Scroll bars, lists and headers: the window-free arithmetic natively and under Wine, the
# controls themselves under Wine.
tav_core_test(lists_core_test ui/ScrollGeometry_test.cpp ui/RowStore_test.cpp)
tav_win_test(lists_ui_test ui/ListHostDlg.cpp ui/SkinList_test.cpp ui/SkinScrollBar_test.cpp)

# The list at the scale of a whole item list, measured under Wine (scripts/bench.sh runs it).
if(WIN32)
    add_executable(bench_list_wine ui/bench_list_wine.cpp ui/ListHostDlg.cpp support/WinTestSupport.cpp)
    target_include_directories(bench_list_wine PRIVATE support)
    target_link_libraries(bench_list_wine PRIVATE tavwin tavres)
endif()
