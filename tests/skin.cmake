# Image buttons, the dialog frame, the message box and the progress window, driven in-process.
tav_win_test(skin_ui_test ui/SolidPng.cpp ui/ButtonHostDlg.cpp ui/ImageButton_test.cpp ui/SkinMessageBox_test.cpp
    ui/ProgressDlg_test.cpp ui/SkinFrame_test.cpp ui/WindowSubclass_test.cpp)

# The gallery: every skinned control in every state, for screenshots (not part of the program).
if(WIN32)
    file(GLOB _gallery_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/ui/Gallery*.cpp")
    add_executable(gallery ${_gallery_sources} ui/Gallery.rc)
    target_link_libraries(gallery PRIVATE tavwin)
    target_include_directories(gallery PRIVATE ui "${CMAKE_SOURCE_DIR}/resources" "${TAV_SKIN_DIR}")
    set_source_files_properties(ui/Gallery.rc PROPERTIES OBJECT_DEPENDS "${TAV_SKIN_DIR}/stamp")
    add_dependencies(gallery skin stage)
endif()
