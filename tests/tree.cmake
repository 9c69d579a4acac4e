# Trees, combo boxes, edits and statics: the edge-scroll rule natively and under Wine, the
# controls themselves under Wine inside a real dialog.
tav_core_test(tree_core_test ui/DragEdgeScroll_test.cpp)
tav_win_test(tree_ui_test ui/SkinHostDlg.cpp ui/SkinTreeCtrl_test.cpp ui/SkinControls_test.cpp)
