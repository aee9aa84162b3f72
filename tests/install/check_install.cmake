# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(result)
    message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(launcher "${PREFIX}/share/applications/talmeris-setup.desktop")
foreach(path bin/TalmerisSetup bin/talmeris-profile share/applications/talmeris-setup.desktop
             share/icons/hicolor/scalable/apps/talmeris-setup.svg)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# Each PNG must be as large as the folder it sits in says (IHDR width and height).
file(GLOB pngs "${PREFIX}/share/icons/hicolor/*x*/apps/talmeris-setup.png")
list(LENGTH pngs png_count)
if(png_count LESS 2)
    message(FATAL_ERROR "expected PNG icons in two sizes or more, found ${png_count}")
endif()
foreach(png IN LISTS pngs)
    string(REGEX MATCH "/([0-9]+)x[0-9]+/apps/" match "${png}")
    set(size "${CMAKE_MATCH_1}")
    file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
    math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" expected "${expected}")
    string(LENGTH "${expected}" length)
    math(EXPR padding "8 - ${length}")
    string(REPEAT "0" ${padding} zeros)
    if(NOT header STREQUAL "${zeros}${expected}${zeros}${expected}")
        message(FATAL_ERROR "${png} is not ${size} pixels square (IHDR ${header})")
    endif()
endforeach()

# The launcher starts the installed program and names the installed icon.
file(STRINGS "${launcher}" exec_line REGEX "^Exec=")
file(STRINGS "${launcher}" icon_line REGEX "^Icon=")
if(NOT exec_line STREQUAL "Exec=TalmerisSetup %f" OR NOT icon_line STREQUAL "Icon=talmeris-setup")
    message(FATAL_ERROR "the launcher names another program or icon: ${exec_line} ${icon_line}")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
    message(FATAL_ERROR "desktop-file-validate is missing: scripts/install-deps.sh installs it")
endif()
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${launcher}"
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(result OR NOT report STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${report}")
endif()
