talmeris_add_test(tst_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_startup.cpp)
talmeris_add_test(tst_end_to_end SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_end_to_end.cpp)
talmeris_add_test(tst_dialogs_end_to_end SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dialogs_end_to_end.cpp)
talmeris_add_test(tst_accessibility SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_accessibility.cpp)
