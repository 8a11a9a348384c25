#!/usr/bin/env bash
# A silent install of the setup into the Wine test prefix (from which any
# earlier run's leftovers are first removed), in Ukrainian; the installed
# launcher shows its skinned window with Ukrainian captions; the kit's skinpack
# runs; a second install over it keeps the user's Brindle.ini; the uninstaller
# removes every file, the Start-menu shortcuts and the Uninstall registry key.
#   setup_test.sh WINE-RUN SETUP.exe WININFO.exe VERSION
set -uo pipefail
wine_run=$1 setup=$2 wininfo=$3 version=$4
top=$(cd "$(dirname "$wine_run")/../.." && pwd)
prefix=${BRINDLE_WINEPREFIX:-$top/build/wine}  # as wine-run chooses it
dir="$prefix/drive_c/Program Files/Brindle"
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brindle"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brindle'
win_dir='C:\Program Files\Brindle'

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$wine_run" "$@" </dev/null; }
registered() { run reg query "$key" >/dev/null 2>&1; }
crlf() { tr -d '\r' <"$1"; }

rm -rf "$dir" "$menu"
registered && run reg delete "$key" /f >/dev/null 2>&1

run "$setup" /S /LANG=7 && fail "the setup took /LANG=7"
[[ -e $dir ]] && fail "a refused /LANG still installed"

run "$setup" /S /LANG=1 || fail "the silent install exited with $?"
for f in BrindleLauncher.exe Uninstall.exe BrindleGallery.exe skinpack.exe skins/dark.skn; do
  [[ -f $dir/$f ]] || fail "not installed: $f"
done
[[ $(crlf "$dir/Brindle.ini") == $'[General]\nLanguage=1' ]] || fail "Brindle.ini: $(crlf "$dir/Brindle.ini")"
for f in "Brindle Launcher.lnk" "Brindle Gallery.lnk"; do [[ -f $menu/$f ]] || fail "no Start-menu shortcut $f"; done
entry=$(run reg query "$key" 2>/dev/null | tr -d '\r')
grep -q "DisplayName *REG_SZ *Brindle$" <<<"$entry" || fail "no DisplayName in the Uninstall key: $entry"
grep -q "DisplayVersion *REG_SZ *$version$" <<<"$entry" || fail "DisplayVersion is not $version: $entry"
grep -qF "UninstallString    REG_SZ    \"$win_dir\\Uninstall.exe\"" <<<"$entry" || fail "UninstallString: $entry"

# The installed program, started as the shortcut starts it.
run "$win_dir\\BrindleLauncher.exe" &
launcher=$!
seen=$(run "$wininfo" --describe "Brindle Launcher" 30 | tr -d '\r')
expected=$'skinned 1\nbutton Додати\nbutton Видалити\nbutton Очистити\nbutton Зробити!'
[[ $seen == "$expected" ]] || fail "the launcher's window: ${seen:-not shown}"
run "$wininfo" --close "Brindle Launcher" 10 || fail "the launcher did not close"
wait "$launcher"

run "$win_dir\\skinpack.exe" check "$win_dir\\skins\\dark.skn" >/dev/null || fail "the kit's skinpack rejects the dark skin"

# A user's settings survive a new install over the old one.
printf '[Recent]\r\nFolder=C:\\maps\r\n' >>"$dir/Brindle.ini"
cp "$dir/Brindle.ini" "$dir.ini-before"
run "$setup" /S || fail "the install over the first exited with $?"
cmp -s "$dir/Brindle.ini" "$dir.ini-before" || fail "the second install changed Brindle.ini: $(crlf "$dir/Brindle.ini")"
rm -f "$dir.ini-before"

# The uninstaller runs from a copy of itself and returns at once: wait for its work.
run "$win_dir\\Uninstall.exe" /S || fail "the uninstaller exited with $?"
for _ in $(seq 100); do
  [[ -e $dir ]] || registered || break
  sleep 0.2
done
[[ -e $dir ]] && fail "left in Program Files: $(cd "$dir" && find . -mindepth 1 | tr '\n' ' ')"
[[ -e $menu ]] && fail "left in the Start menu: $(ls "$menu")"
registered && fail "the Uninstall key is still there"

(( failures == 0 )) || exit 1
echo "ok: installed, started in Ukrainian and skinned, reinstalled keeping Brindle.ini, uninstalled without a trace"
