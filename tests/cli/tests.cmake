# Runs the built command itself, on files the tool's own save writes.
talmeris_add_test(tst_profile_command CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_profile_command.cpp)
target_compile_definitions(tst_profile_command PRIVATE
    TALMERIS_PROFILE_COMMAND="$<TARGET_FILE:talmeris-profile>")
add_dependencies(tst_profile_command talmeris-profile)
talmeris_add_test(tst_write_command CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_write_command.cpp)
target_compile_definitions(tst_write_command PRIVATE
    TALMERIS_PROFILE_COMMAND="$<TARGET_FILE:talmeris-profile>")
add_dependencies(tst_write_command talmeris-profile)
# The settings schema checked by a JSON Schema validator, on sample cards.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(Python3 COMPONENTS Interpreter REQUIRED)
    add_test(NAME settings_schema
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_schema.py $<TARGET_FILE:talmeris-profile>
            ${PROJECT_SOURCE_DIR}/fuzz/corpus/profile_file/profile.bin
            ${PROJECT_SOURCE_DIR}/fuzz/corpus/profile_file/saved.bak)
endif()
