# Every shown text translated, with its placeholders and line breaks.
if(CMAKE_CROSSCOMPILING)
    talmeris_skip_test(translations_complete "checks the sources and .ts files, which are the same for every platform")
    return()
endif()
add_executable(check_translations ${CMAKE_CURRENT_LIST_DIR}/check_translations.cpp)
target_link_libraries(check_translations PRIVATE Qt6::Core)
set(translations_work ${CMAKE_CURRENT_BINARY_DIR}/translations_check)
file(MAKE_DIRECTORY ${translations_work})
add_test(NAME translations_complete
    COMMAND ${CMAKE_COMMAND}
        -DLUPDATE=${TALMERIS_LUPDATE}
        "-DOPTIONS=${TALMERIS_LUPDATE_OPTIONS}"
        "-DFOLDERS=${TALMERIS_TEXT_FOLDERS}"
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        "-DTS_FILES=${TALMERIS_TS_FILES}"
        -DWORK_DIR=${translations_work}
        -DCHECKER=$<TARGET_FILE:check_translations>
        -P ${CMAKE_CURRENT_LIST_DIR}/check_translations.cmake
)
