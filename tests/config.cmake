tav_win_test(config_test config/ConfigDlg_test.cpp config/ItemDialogs_test.cpp)

