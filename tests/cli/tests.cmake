# Runs the built command itself, on files the tool's own save writes.
talmeris_add_test(tst_profile_command CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_profile_command.cpp)
target_compile_definitions(tst_profile_command PRIVATE
    TALMERIS_PROFILE_COMMAND="$<TARGET_FILE:talmeris-profile>")
add_dependencies(tst_profile_command talmeris-profile)
