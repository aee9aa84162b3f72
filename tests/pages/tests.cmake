talmeris_add_test(tst_dlg_gsm SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dlg_gsm.cpp)
talmeris_add_test(tst_gsm_form SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gsm_form.cpp)
talmeris_add_test(tst_operator_selection SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_operator_selection.cpp)
talmeris_add_test(tst_store_page SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_store_page.cpp)
