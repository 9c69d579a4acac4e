tav_core_test(data_core_test data/ItemModel_test.cpp data/ItemsFile_test.cpp data/CatalogsFile_test.cpp
    data/CatalogTree_test.cpp)
if(NOT WIN32)
    # The console tool, run as a real program on real files.
    add_executable(data_tool_test data/DataTool_test.cpp)
    target_link_libraries(data_tool_test PRIVATE tavcore tavtestsupport)
    target_compile_definitions(data_tool_test PRIVATE TAV_DATA_TOOL="$<TARGET_FILE:tavimoreth-data>")
    add_dependencies(data_tool_test tavimoreth-data)
    _tav_register(data_tool_test)
endif()
tav_win_test(data_win_test data/DataFilesWin_test.cpp)
