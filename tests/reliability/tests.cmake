talmeris_add_test(tst_hostile_working_copies SHARDS 4 SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_hostile_working_copies.cpp)
talmeris_add_test(tst_file_faults SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_file_faults.cpp)
