# Scroll bars, lists and headers: the window-free arithmetic natively and under Wine, the
# controls themselves under Wine.
tav_core_test(lists_core_test ui/ScrollGeometry_test.cpp ui/RowStore_test.cpp)
tav_win_test(lists_ui_test ui/SkinHostDlg.cpp ui/SkinList_test.cpp)

