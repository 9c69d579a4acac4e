tav_core_test(additem_core_test additem/ProfileValue_test.cpp)
tav_win_test(additem_test additem/HandOff_test.cpp additem/AddItemDlg_test.cpp)
