tav_core_test(additem_core_test additem/ProfileValue_test.cpp)
tav_win_test(additem_test additem/AddItemTestSupport.cpp additem/HandOff_test.cpp additem/AddItemDlg_test.cpp
    additem/ReceiveItem_test.cpp)

# Shows the add-item dialog filled in, for screenshots (not part of the program).
if(WIN32)
    add_executable(additem_shot additem/AddItemShot.cpp)
    target_link_libraries(additem_shot PRIVATE tavwin tavres)
    add_dependencies(additem_shot stage)
endif()
