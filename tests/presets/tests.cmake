talmeris_add_test(tst_email_presets SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_email_presets.cpp)
talmeris_add_test(tst_operator_catalogue SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_operator_catalogue.cpp)
