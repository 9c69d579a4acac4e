# Composed items and batch replace: the window-free model natively, the settings dialog under Wine.
tav_core_test(composed_core_test config/ComposedItem_test.cpp config/BatchReplace_test.cpp)
tav_win_test(composed_win_test config/ReplaceSettingsDlg_test.cpp)
