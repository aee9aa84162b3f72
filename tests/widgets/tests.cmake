# Tests of the windows' widgets: the page and the dialogs, driven as a user drives them.
talmeris_add_test(tst_settings_page SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings_page.cpp)
talmeris_add_test(tst_store_page SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_store_page.cpp)
talmeris_add_test(tst_camera_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_camera_dialog.cpp)
talmeris_add_test(tst_sender_email_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_sender_email_dialog.cpp)
talmeris_add_test(tst_operator_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_operator_dialog.cpp)
