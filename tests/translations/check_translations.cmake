# Refreshes a copy of each .ts from the sources, as update_translations would,
# so that a text added to the code without its translation counts as missing;
# then checks the copy. Texts the sources no longer mark are kept, marked
# vanished, so that a translation a change drops unseen counts as a fault too.
# Run by ctest with LUPDATE, OPTIONS, FOLDERS, SOURCE_DIR,
# TS_FILES, WORK_DIR and CHECKER set.
list(REMOVE_ITEM OPTIONS -no-obsolete)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(
        COMMAND ${LUPDATE} ${OPTIONS} ${FOLDERS} -ts ${copy}
        WORKING_DIRECTORY ${SOURCE_DIR}
        RESULT_VARIABLE lupdate_result
    )
    if(NOT lupdate_result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    execute_process(COMMAND ${CHECKER} ${copy} RESULT_VARIABLE check_result)
    if(NOT check_result EQUAL 0)
        message(FATAL_ERROR "${name} has untranslated, vanished or faulty entries (see above); run the update_translations target and translate them")
    endif()
endforeach()
