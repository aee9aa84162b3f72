# The Windows installer (CPack's NSIS generator, makensis from Debian's nsis):
# the two programs, the Qt and MinGW DLLs they load, Qt's German texts, and the
# licences of what it ships. Included by packaging/ for a Windows build.

cmake_path(GET Qt6_DIR PARENT_PATH kit) # lib/cmake
cmake_path(GET kit PARENT_PATH kit)
cmake_path(GET kit PARENT_PATH kit)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
cmake_path(GET libgcc PARENT_PATH gcc_runtime)
find_file(TALMERIS_WINPTHREAD libwinpthread-1.dll PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH REQUIRED)

install(FILES ${kit}/bin/Qt6Core.dll ${kit}/bin/Qt6Gui.dll ${kit}/bin/Qt6Widgets.dll
              ${gcc_runtime}/libstdc++-6.dll ${gcc_runtime}/libgcc_s_seh-1.dll ${TALMERIS_WINPTHREAD}
              ${CMAKE_CURRENT_SOURCE_DIR}/windows/qt.conf
        DESTINATION .)
install(FILES ${kit}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${kit}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# Qt's own German: the yes/no buttons and the folder picker.
foreach(language IN LISTS TALMERIS_LANGUAGES)
    install(FILES ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm DESTINATION translations)
endforeach()

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/copyright DESTINATION licenses RENAME TalmerisSetup.txt)
install(FILES ${PROJECT_SOURCE_DIR}/third_party/android-apns/LICENSE
        DESTINATION licenses RENAME android-apns-Apache-2.0.txt)
install(FILES ${PROJECT_SOURCE_DIR}/third_party/mail-ispdb/LICENSE
        DESTINATION licenses RENAME mail-ispdb-MPL-2.0.txt)
install(FILES ${kit}/licenses/LGPL-3.0-only.txt ${kit}/licenses/GPL-3.0-only.txt
              ${CMAKE_CURRENT_SOURCE_DIR}/windows/qt-source.txt
        DESTINATION licenses/Qt)

set(CPACK_GENERATOR "NSIS")
# A 64-bit installer for 64-bit programs: its registry and folders are the 64-bit ones.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_PACKAGE_NAME "TalmerisSetup")
set(CPACK_PACKAGE_VENDOR "Talmeris")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TALMERIS_SUMMARY}")
set(CPACK_PACKAGE_FILE_NAME "TalmerisSetup-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "TalmerisSetup")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "TalmerisSetup")
# The Start-menu entry: the program's icon comes from its own resource.
set(CPACK_PACKAGE_EXECUTABLES "TalmerisSetup" "TalmerisSetup")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "TalmerisSetup")
# Also the Start-menu folder.
set(CPACK_NSIS_PACKAGE_NAME "TalmerisSetup")
set(CPACK_NSIS_INSTALLED_ICON_NAME "TalmerisSetup.exe")
set(CPACK_NSIS_MUI_ICON "${TALMERIS_ICON_ICO}")
set(CPACK_NSIS_MUI_UNIICON "${TALMERIS_ICON_ICO}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The vendor's key goes too once it is empty (CPack removes only the program's own).
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "DeleteRegKey SHCTX 'Software\\\\Talmeris\\\\TalmerisSetup'
  DeleteRegKey /ifempty SHCTX 'Software\\\\Talmeris'")
set(CPACK_STRIP_FILES ON)
include(CPack)
