# Exchange files and the export and import window, under Wine.
tav_win_test(exchange_test exchange/ExchangeFile_test.cpp exchange/ExchangeDlg_test.cpp)
if(WIN32)
    # The archive tests write hostile archives of their own through minizip.
    target_link_libraries(exchange_test PRIVATE tavexchange tav::minizip)
endif()
