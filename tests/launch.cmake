tav_core_test(launch_core_test launch/SnapshotFile_test.cpp launch/ShortName_test.cpp launch/CommandPieces_test.cpp)
