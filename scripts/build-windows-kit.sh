#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, Test, Xml and the Windows, offscreen and minimal platform
# plugins) for 64-bit Windows with Debian's MinGW-w64 cross compiler, from Debian's own qt6-base source
# package, and packs it as qt6.4.2-mingw-w64-x86_64.tar.xz. The host tools (moc, rcc, uic, ...) are
# Debian's own Qt 6.4.2, so the versions match. About 15 minutes on two cores.
# scripts/windows-kit.sh runs it when no prepared kit is at hand.
#   scripts/build-windows-kit.sh [WORK-FOLDER]      (default: a new temporary folder)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="${1:-$(mktemp -d)}"
mkdir -p "$work" && work="$(cd "$work" && pwd)" && cd "$work"

"$here/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
    binutils-mingw-w64-x86-64 ninja-build qt6-base-dev-tools dpkg-dev xz-utils

# The source package, through a sources list of our own: the machine's own list is left alone.
mkdir -p apt/lists/partial
# The same mirror and suite as the machine's binary packages.
uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
[ -n "$uri" ] || uri=$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list)
echo "deb-src $uri bookworm main" > apt/sources.list
apt=(-o Dir::Etc::sourcelist="$work/apt/sources.list" -o Dir::Etc::sourceparts=- -o Dir::State::Lists="$work/apt/lists")
apt-get "${apt[@]}" update -qq
apt-get "${apt[@]}" source --download-only qt6-base=6.4.2+dfsg-10
rm -rf qtbase-everywhere-src-6.4.2 && tar -xJf qt6-base_6.4.2+dfsg.orig.tar.xz
src="$work/qtbase-everywhere-src-6.4.2"

# Debian's source leaves out the non-free Wintab header: build the Windows platform plugins without
# pen-tablet support (mouse, touch and keyboard are unaffected).
plugins="$src/src/plugins/platforms"
sed -i 's|QT_CONFIG(tabletevent)|0 /* wintab removed from this source */|' \
    "$plugins/windows/qwindowscontext.cpp" "$plugins/windows/qwindowspointerhandler.cpp" \
    "$plugins/windows/qwindowspointerhandler.h"
sed -i 's|CONDITION QT_FEATURE_tabletevent$|CONDITION FALSE|' "$plugins/windows/CMakeLists.txt" \
    "$plugins/direct2d/CMakeLists.txt"

cat > "$work/mingw-w64-x86_64.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

prefix="$work/qt6-mingw"
cmake -G Ninja -S "$src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
  -DINPUT_opengl=no -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=ON -DFEATURE_testlib=ON -DFEATURE_accessibility=ON \
  -DFEATURE_vulkan=OFF -DFEATURE_system_zlib=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF
cmake --build "$work/build" -j "$(nproc)"
cmake --install "$work/build"

# Relocatable: the toolchain file travels inside the kit and is found beside Qt's own.
cp "$work/mingw-w64-x86_64.cmake" "$prefix/lib/cmake/Qt6/"
sed -i "s|set(__qt_initially_configured_toolchain_file \".*\")|set(__qt_initially_configured_toolchain_file \"\${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake\")|" \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
mkdir -p "$prefix/licenses" && cp "$src"/LICENSES/* "$prefix/licenses/"
rm -rf "$prefix/doc"
tar -C "$work" -cJf "$work/qt6.4.2-mingw-w64-x86_64.tar.xz" qt6-mingw
echo "$work/qt6.4.2-mingw-w64-x86_64.tar.xz"
