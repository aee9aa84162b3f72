#!/usr/bin/env bash
# Builds the Windows installer from a Windows build (build-windows/ unless
# given) and tries it under Wine as a user would, in a Windows of its own:
# installs it silently, checks what it put in place (programs, DLLs, plugins,
# translations, licences, Start-menu entry, installed-apps entry), runs the
# installed talmeris-profile.exe, starts the installed TalmerisSetup.exe to its
# first window on a virtual display, opens a card with it and saves it with
# the keyboard (no registry key may appear under HKEY_CURRENT_USER\Software),
# then uninstalls it silently and checks that only the user's settings are left.
# Stops at the first fault, naming it.
# Usage: scripts/check-windows-installer.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."

build="$(realpath "${1:-build-windows}")"
work="$(mktemp -d)"
wine=/usr/lib/wine/wine64
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# No .NET or Gecko downloads, and no Linux menu entries made for the Windows ones.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -n "${TALMERIS_KEEP_WORK:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-windows-installer: $*" >&2
    exit 1
}
step() { echo "check-windows-installer: $*"; }

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack failed"
fi
installer="$work/out/TalmerisSetup-5.2.15-win64.exe"
[ -s "$installer" ] || fail "no TalmerisSetup-5.2.15-win64.exe was made"

"$wine" wineboot --init >/dev/null 2>&1 || fail "Wine could not make a prefix"
drive="$WINEPREFIX/drive_c"
user="$drive/users/$(id -un)"
program_files="$drive/Program Files/TalmerisSetup"
start_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/TalmerisSetup"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TalmerisSetup'

step "installing silently"
"$wine" "$installer" /S || fail "the installer failed"
/usr/lib/wine/wineserver -w
for file in TalmerisSetup.exe talmeris-profile.exe Uninstall.exe qt.conf \
            Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
            platforms/qwindows.dll styles/qwindowsvistastyle.dll translations/qtbase_de.qm \
            licenses/TalmerisSetup.txt licenses/android-apns-Apache-2.0.txt licenses/mail-ispdb-MPL-2.0.txt \
            licenses/Qt/LGPL-3.0-only.txt licenses/Qt/GPL-3.0-only.txt licenses/Qt/qt-source.txt; do
    [ -s "$program_files/$file" ] || fail "not installed: $file"
done
[ -s "$start_menu/TalmerisSetup.lnk" ] || fail "no Start-menu entry for TalmerisSetup"
entry="$("$wine" reg query "$uninstall_key" 2>/dev/null | tr -d '\r')" || fail "not in the installed apps: $uninstall_key"
for value in "DisplayName    REG_SZ    TalmerisSetup" "DisplayVersion    REG_SZ    5.2.15" \
             'DisplayIcon    REG_SZ    C:\Program Files\TalmerisSetup\TalmerisSetup.exe' 'UninstallString'; do
    grep -qF "$value" <<<"$entry" || fail "the installed-apps entry lacks: $value"
done

step "running the installed talmeris-profile.exe carriers"
carriers="$("$wine" "C:\\Program Files\\TalmerisSetup\\talmeris-profile.exe" carriers)" ||
    fail "talmeris-profile.exe carriers failed"
grep -q "event.vodafone.de" <<<"$carriers" || fail "talmeris-profile.exe carriers does not list Vodafone's APN"
step "asking the installed TalmerisSetup.exe for its help, in English and with Windows in German"
help="$("$wine" "C:\\Program Files\\TalmerisSetup\\TalmerisSetup.exe" --help)" || fail "TalmerisSetup.exe --help failed"
grep -q "in the temporary folder (%TEMP%)" <<<"$help" || fail "TalmerisSetup.exe --help does not name %TEMP%"
# Wine's display language follows the Unix locale; LANGUAGE is no Windows setting and must change nothing.
german="$(LC_ALL=de_DE.UTF-8 LANGUAGE=en "$wine" "C:\\Program Files\\TalmerisSetup\\TalmerisSetup.exe" --help 2>/dev/null)" ||
    fail "TalmerisSetup.exe --help failed in German"
grep -q "^Aufruf: " <<<"$german" || fail "the installed Qt translation is not used: $(head -1 <<<"$german")"
grep -q "Richtet eine Talmeris-Mobilfunk-Wildkamera ein" <<<"$german" || fail "TalmerisSetup.exe does not speak German"

# Wine's desktop process, started without a display, would keep the window off the virtual one.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w

step "starting the installed TalmerisSetup.exe, opening a card and saving it"
mkdir -p "$drive/card"
card=fuzz/corpus/profile_file/profile.bin
cp "$card" "$drive/card/PROFILE.BIN"
# Starts the installed tool (with the arguments given), waits for its main
# window, presses OK with the keyboard, answers Yes to saving settings that
# cannot send and OK to the success message. The registry is exported before
# and after the save into REGISTRY-before.reg and REGISTRY-after.reg.
cat >"$work/save.sh" <<'GUI'
set -euo pipefail
registry="$1"
shift
wine="$WINE"
"$wine" 'C:\Program Files\TalmerisSetup\TalmerisSetup.exe' "$@" &
window="$(timeout 60 xdotool search --sync --name '^Quenda V5\.02\.15$' | head -1)"
[ -n "$window" ] || { echo "no main window captioned Quenda V5.02.15" >&2; exit 1; }
sleep 2
"$wine" reg export 'HKCU\Software' "$registry-before.reg" /y >/dev/null
xdotool windowfocus --sync "$window"
# From the first control back past Cancel to OK, and press it.
xdotool key --delay 200 shift+Tab shift+Tab space
sleep 2
if xdotool search --name '^Save PROFILE$' >/dev/null; then
    xdotool key --delay 200 y # save settings that cannot send: Yes
fi
# "PROFILE.BIN has been saved in C:\card", which comes after the files: OK.
sleep 3
message="$(timeout 30 xdotool search --sync --name '^Save PROFILE$' | head -1)"
xdotool windowfocus --sync "$message"
xdotool key --delay 200 space
sleep 2
"$wine" reg export 'HKCU\Software' "$registry-after.reg" /y >/dev/null
GUI
save_with_keyboard() {
    if ! WINE="$wine" xvfb-run -a -s "-screen 0 1280x900x24" bash -x "$work/save.sh" "$@" >"$work/gui.log" 2>&1; then
        cat "$work/gui.log" >&2
        fail "could not start TalmerisSetup.exe and save with it"
    fi
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w
}
save_with_keyboard "$work/first" 'C:\card\PROFILE.BIN'
working_copy="$user/Temp/setupV5.02.15.bak"
durable_copy="$user/AppData/Roaming/Talmeris/TalmerisSetup/setupV5.02.15.bak"
[ -s "$working_copy" ] || fail "no working copy in %TEMP%"
[ "$(stat -c %s "$working_copy")" = 2032 ] || fail "the working copy is not 2032 bytes"
cmp -s "$working_copy" "$durable_copy" || fail "the durable copy in %APPDATA% differs from the working copy"
grep -q '^lastCardFolder=C:' "$user/AppData/Roaming/Talmeris/TalmerisSetup.ini" ||
    fail "the card folder is not remembered in %APPDATA%\\Talmeris\\TalmerisSetup.ini"
cmp -s "$card" "$drive/card/PROFILE.BIN" || fail "the card saved again differs from the one opened"
keys() { iconv -f UTF-16LE -t UTF-8 "$1" | tr -d '\r' | grep '^\[' | sort; }
new_keys="$(comm -13 <(keys "$work/first-before.reg") <(keys "$work/first-after.reg"))"
[ -z "$new_keys" ] || fail "saving added registry keys: $new_keys"

step "starting it again: the settings come back from %TEMP%\\setupV5.02.15.bak"
rm "$durable_copy" "$drive/card/PROFILE.BIN"
save_with_keyboard "$work/again"
cmp -s "$card" "$drive/card/PROFILE.BIN" || fail "the next start did not bring the saved settings back"

step "uninstalling silently"
"$wine" "C:\\Program Files\\TalmerisSetup\\Uninstall.exe" /S || fail "the uninstaller failed"
/usr/lib/wine/wineserver -w
[ ! -e "$program_files" ] || fail "left after uninstalling: $(cd "$program_files" && find . | head -5)"
[ ! -e "$start_menu" ] || fail "the Start-menu entry is left after uninstalling"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the installed-apps entry is left after uninstalling"
! "$wine" reg query 'HKLM\Software\Talmeris' >/dev/null 2>&1 || fail "HKLM\\Software\\Talmeris is left after uninstalling"
for file in Temp/setupV5.02.15.bak AppData/Roaming/Talmeris/TalmerisSetup/setupV5.02.15.bak \
            AppData/Roaming/Talmeris/TalmerisSetup.ini; do
    [ -s "$user/$file" ] || fail "the user's own settings went with the program: $file"
done
step "installed, started, saved and uninstalled; the user's settings stay"
