# Image buttons, the dialog frame, the message box and the progress window, driven in-process.
tav_win_test(skin_ui_test ui/SkinHostDlg.cpp ui/ImageButton_test.cpp ui/SkinMessageBox_test.cpp
    ui/ProgressDlg_test.cpp ui/WindowSubclass_test.cpp
    ui/DialogHost_test.cpp ui/Fallbacks_test.cpp)

