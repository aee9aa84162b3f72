#!/usr/bin/env bash
# Builds the Debian package from a built tree (build/ unless given), unpacks it
# into a scratch folder and checks that it holds what a user runs and reads,
# that its launcher, metadata and manual pages are sound, and that lintian has
# nothing to say. Stops at the first fault, naming it.
# Usage: scripts/check-package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."

build="$(realpath "${1:-build}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack failed"
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb="${debs[0]}"
version="$(dpkg-deb -f "$deb" Version)"
dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"

metainfo=share/metainfo/invalid.talmeris.TalmerisSetup.metainfo.xml
launcher=share/applications/talmeris-setup.desktop
doc=share/doc/talmeris-setup
expected=(bin/TalmerisSetup bin/talmeris-profile
          share/man/man1/TalmerisSetup.1.gz share/man/man1/talmeris-profile.1.gz
          "$doc/copyright" "$doc/changelog.gz" "$metainfo" "$launcher"
          share/icons/hicolor/scalable/apps/talmeris-setup.svg)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/talmeris-setup.png")
done
for path in "${expected[@]}"; do
    [ -f "$usr/$path" ] && [ -s "$usr/$path" ] || fail "missing or empty in the package: /usr/$path"
done

# Each page renders without a groff warning and documents the program's own options.
for program in TalmerisSetup talmeris-profile; do
    [ -x "$usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
    page="$usr/share/man/man1/$program.1.gz"
    MANWIDTH=80 man --warnings -l "$page" >"$work/page.txt" 2>"$work/page.err" || fail "man cannot render $program(1)"
    [ ! -s "$work/page.err" ] || fail "$program(1): $(cat "$work/page.err")"
    grep -q -- "--version" "$work/page.txt" || fail "$program(1) does not show the options of $program --help"
done

status=0
desktop-file-validate "$usr/$launcher" >"$work/desktop.log" 2>&1 || status=$?
[ $status -eq 0 ] && [ ! -s "$work/desktop.log" ] || fail "desktop-file-validate: $(cat "$work/desktop.log")"

appstreamcli validate --no-net "$usr/$metainfo" >"$work/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.log")"
desktop_id="$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$usr/$metainfo")"
[ "share/applications/$desktop_id" = "$launcher" ] || fail "the metadata launches '$desktop_id', not the installed launcher"
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$usr/$metainfo"); do
    [ -x "$usr/bin/$binary" ] || fail "the metadata provides $binary, which the package does not hold"
done
release="$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$usr/$metainfo" | head -n 1)"
[ "$release" = "$version" ] || fail "the metadata's latest release is '$release', the package is $version"
entry="$(zcat "$usr/$doc/changelog.gz" | head -n 1)"
[[ "$entry" == "talmeris-setup ($version) "* ]] || fail "the changelog starts with '$entry', the package is $version"

# Every third-party folder of the tree travels with its notice.
for folder in third_party/*/; do
    [ -d "$folder" ] || continue
    grep -qx "Files: ${folder}\*" "$usr/$doc/copyright" || fail "copyright names no licence for ${folder}"
done

status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v "running with root privileges" "$work/lintian.log" >"$work/lintian.txt" || true
[ $status -eq 0 ] && [ ! -s "$work/lintian.txt" ] || fail "lintian (status $status): $(cat "$work/lintian.txt")"
echo "check-package: $(basename "$deb") holds ${#expected[@]} files where they belong; launcher, metadata, manual pages and lintian pass"
