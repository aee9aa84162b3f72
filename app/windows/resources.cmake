# Gives a Windows program its icon, version resource and manifest.
#   talmeris_windows_resources(TARGET "description")
# The icon is the one app/ draws from the SVG (TALMERIS_ICON_ICO, target talmeris_icons).
function(talmeris_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(TALMERIS_RC_NAME ${target})
    set(TALMERIS_RC_DESCRIPTION "${description}")
    set(TALMERIS_RC_ICON ${TALMERIS_ICON_ICO})
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}_windows)
    set(TALMERIS_RC_MANIFEST ${folder}/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/program.manifest.in ${TALMERIS_RC_MANIFEST} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/program.rc.in ${folder}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${folder}/${target}.rc)
    set_source_files_properties(${folder}/${target}.rc PROPERTIES
        OBJECT_DEPENDS "${TALMERIS_ICON_ICO};${TALMERIS_RC_MANIFEST}")
    add_dependencies(${target} talmeris_icons)
endfunction()
