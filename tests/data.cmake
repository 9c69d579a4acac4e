tav_core_test(data_core_test data/ItemModel_test.cpp data/ItemsFile_test.cpp data/CatalogsFile_test.cpp)
