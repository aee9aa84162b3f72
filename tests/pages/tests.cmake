talmeris_add_test(tst_removable_media CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_removable_media.cpp)
if(CMAKE_CROSSCOMPILING AND WIN32)
    # A card reader with a card in it, and one without.
    set_property(TEST tst_removable_media APPEND PROPERTY ENVIRONMENT "TALMERIS_WINE_CARD_READERS=e:card f:empty")
endif()
talmeris_add_test(tst_settings_page SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings_page.cpp)
talmeris_add_test(tst_page_model CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_page_model.cpp)
talmeris_add_test(tst_operator_selection CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_operator_selection.cpp)
talmeris_add_test(tst_store_page SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_store_page.cpp)
