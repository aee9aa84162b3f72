talmeris_add_test(tst_email_presets CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_email_presets.cpp)
talmeris_add_test(tst_operator_catalogue CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_operator_catalogue.cpp)
talmeris_add_test(tst_carrier_sources CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_carrier_sources.cpp)
# Both compare the presets with the public data they were taken from.
target_compile_definitions(tst_email_presets PRIVATE TALMERIS_THIRD_PARTY_DIR="${PROJECT_SOURCE_DIR}/third_party")
target_compile_definitions(tst_carrier_sources PRIVATE TALMERIS_THIRD_PARTY_DIR="${PROJECT_SOURCE_DIR}/third_party")
