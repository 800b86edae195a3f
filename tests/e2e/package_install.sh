#!/usr/bin/env bash
# The Debian package from build to removal: scripts/package.sh builds it; its dependencies and
# files are what an installed editor needs; dpkg installs it into a private root (the machine's
# own system is left alone); the installed command starts the editor with a document under the
# X server, as an ordinary user for whom the program folder is read-only, and the document is
# there; the settings window's "Выход" writes the settings into the user's configuration folder;
# the program's own registration agrees with the package's desktop entry, which validates and,
# with the MIME package, covers every extension the editor opens; the run writes nothing into
# the installed tree; removing the package removes every file it brought.
#
# The package is built in TARVIK_PACKAGE_BUILD, by default the build folder's sibling
# BUILD-package (the folder scripts/package.sh uses for build/), so a second run only relinks.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init package_install
e2e_need dpkg dpkg-deb dpkg-shlibdeps desktop-file-validate update-mime-database setpriv
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
# Points of the main window's menu row and of the settings window (their own coordinates); the
# main window's top rows stand where they are whether it starts maximised or not.
MENU_SETTINGS="412 60"
SETTINGS_EXIT="101 353"

# --- The package ---
package_build=${TARVIK_PACKAGE_BUILD:-$E2E_BUILD-package}
TARVIK_SKIP_DEPS=1 bash "$source_dir/scripts/package.sh" "$package_build" >"$E2E_ART/package.log" 2>&1 ||
  e2e_fail "scripts/package.sh failed: $(tail -5 "$E2E_ART/package.log")"
deb=$(tail -1 "$E2E_ART/package.log")
[ -f "$deb" ] || e2e_fail "scripts/package.sh named no package: $deb"
cp "$deb" "$E2E_ART/"

[ "$(dpkg-deb -f "$deb" Package)" = tarvik ] || e2e_fail "the package is not named tarvik"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
  e2e_fail "the package is not for $(dpkg --print-architecture)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends" >"$E2E_ART/depends.txt"
# The package names of the dependencies, versions and alternatives left out.
depend_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (|].*//')
for need in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
  libqt6multimedia6 fonts-liberation2 fonts-dejavu-core qt6-translations-l10n; do
  grep -qxF "$need" <<<"$depend_names" || e2e_fail "the package does not depend on $need"
done

# Every file the package brings, and nothing else: the program folder with its sounds and
# settings, the command, the desktop entry, the MIME package, the icons.
expected=$(
  {
    echo ./usr/bin/tarvik
    echo ./usr/lib/tarvik/tarvik
    echo ./usr/lib/tarvik/Parametr.ini
    (cd "$source_dir/resources" && find Muzik -name '*.wav' | sed 's|^|./usr/lib/tarvik/|')
    echo ./usr/share/applications/tarvik.desktop
    echo ./usr/share/mime/packages/tarvik.xml
    (cd "$source_dir/resources/icons" && find hicolor -type f | sed 's|^|./usr/share/icons/|')
  } | sort
)
contents=$(dpkg-deb -c "$deb")
echo "$contents" >"$E2E_ART/contents.txt"
files=$(echo "$contents" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$files" = "$expected" ] ||
  e2e_fail "the package's files differ from the layout: $(diff <(echo "$expected") <(echo "$files") | tr '\n' ' ')"
echo "$contents" | awk '$2 != "root/root" {exit 1}' || e2e_fail "a file of the package is not root's"
echo "$contents" | awk '$1 !~ /^l/ && $1 ~ /^.....w|^........w/ {exit 1}' ||
  e2e_fail "a file of the package is writable by others than root"
echo "$contents" | grep -q '^lrwxrwxrwx .* \./usr/bin/tarvik -> \.\./lib/tarvik/tarvik$' ||
  e2e_fail "usr/bin/tarvik is not the relative link to the program folder"

# Apt finds everything the package depends on (installed or in the archive).
if [ "$(id -u)" -eq 0 ]; then
  apt-get install -s "$deb" >"$E2E_ART/apt-simulate.txt" 2>&1 ||
    e2e_fail "apt cannot install the package: $(tail -3 "$E2E_ART/apt-simulate.txt")"
fi

# --- Installing into a clean root ---
root="$E2E_WORK/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(fakeroot)
rootdpkg() {
  # Dependencies are the machine's, not the private root's; there are no maintainer scripts.
  "${as_root[@]}" dpkg --root="$root" --force-not-root --force-depends --log=/dev/null "$@"
}
rootdpkg -i "$deb" >"$E2E_ART/install.log" 2>&1 ||
  e2e_fail "dpkg could not install the package: $(tail -3 "$E2E_ART/install.log")"
rootdpkg -s tarvik | grep -q '^Status: install ok installed' || e2e_fail "dpkg does not list tarvik"
for f in $expected; do
  [ -e "$root/$f" ] || [ -L "$root/$f" ] || e2e_fail "$f is missing after the install"
done
cmp -s "$root/usr/lib/tarvik/Parametr.ini" "$source_dir/resources/Parametr.ini" ||
  e2e_fail "the installed settings file differs from resources/Parametr.ini"
cmp -s "$root/usr/share/applications/tarvik.desktop" "$source_dir/resources/desktop/tarvik.desktop" ||
  e2e_fail "the installed desktop entry differs from resources/desktop/tarvik.desktop"
for wav in "$source_dir"/resources/Muzik/*.wav; do
  cmp -s "$wav" "$root/usr/lib/tarvik/Muzik/$(basename "$wav")" || e2e_fail "$(basename "$wav") differs"
done
[ "$(readlink -f "$root/usr/bin/tarvik")" = "$root/usr/lib/tarvik/tarvik" ] ||
  e2e_fail "usr/bin/tarvik does not lead to the program"
file -L "$root/usr/bin/tarvik" | grep -q ', stripped' || e2e_fail "the program is not stripped"

# --- The desktop entry and the MIME data ---
entry="$root/usr/share/applications/tarvik.desktop"
desktop-file-validate "$entry" >"$E2E_ART/desktop-file-validate.txt" 2>&1 ||
  e2e_fail "desktop-file-validate: $(cat "$E2E_ART/desktop-file-validate.txt")"
[ ! -s "$E2E_ART/desktop-file-validate.txt" ] ||
  e2e_fail "desktop-file-validate warns: $(cat "$E2E_ART/desktop-file-validate.txt")"
grep -qx 'Exec=tarvik %f' "$entry" || e2e_fail "the entry does not start the command with a file"
grep -qx 'Icon=tarvik' "$entry" || e2e_fail "the entry does not name the icon theme's tarvik"
entry_types=$(sed -n 's/^MimeType=//p' "$entry")

# The MIME package compiled on its own next to the system's database: each extension the editor
# opens has a type, and the desktop entry lists that type.
mime="$E2E_WORK/mime"
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/tarvik.xml" "$mime/packages/"
update-mime-database "$mime" >"$E2E_ART/update-mime-database.txt" 2>&1 ||
  e2e_fail "update-mime-database rejects the MIME package: $(cat "$E2E_ART/update-mime-database.txt")"
type_of() {
  local t
  t=$(awk -F: -v g="*.$1" '$3 == g {print $2; exit}' /usr/share/mime/globs2)
  [ -n "$t" ] || t=$(awk -F: -v g="*.$1" '$3 == g {print $2; exit}' "$mime/globs2")
  echo "$t"
}
for ext in txt rtf cfg log ini diz ion dos win prx; do
  t=$(type_of "$ext")
  [ -n "$t" ] || e2e_fail "no MIME type for .$ext"
  [[ ";$entry_types" == *";$t;"* ]] || e2e_fail ".$ext is $t, which the desktop entry does not list"
done

# --- Running the installed editor ---
# As an ordinary user, for whom the program folder is read-only; nobody stands in for one when
# the test runs as root.
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$E2E_WORK"
  chown -R nobody "$HOME" "$XDG_RUNTIME_DIR" "$E2E_WORK/docs"
  E2E_EXE="$E2E_WORK/run-installed"
  printf '#!/bin/sh\nexec setpriv --reuid=nobody --regid=nogroup --clear-groups "%s" "$@"\n' \
    "$root/usr/bin/tarvik" >"$E2E_EXE"
  chmod 755 "$E2E_EXE"
else
  chmod -R a-w "$root/usr/lib/tarvik"
  trap 'chmod -R u+w "$root" 2>/dev/null; e2e_cleanup' EXIT
  E2E_EXE="$root/usr/bin/tarvik"
fi
snapshot() { (cd "$root/usr/lib/tarvik" && find . -printf '%p %m %s\n' | sort && find . -type f -exec md5sum {} + | sort); }
before=$(snapshot)
touch "$E2E_WORK/started"

printf 'Installed from the package.\n' >"$E2E_WORK/docs/letter.txt"
[ "$(id -u)" -eq 0 ] && chown nobody "$E2E_WORK/docs/letter.txt"
e2e_start letter.txt
e2e_wait_window
sleep 1.5  # the window grows into view
e2e_shot window
[ "$(readlink "/proc/$E2E_APP/exe")" = "$root/usr/lib/tarvik/tarvik" ] ||
  e2e_fail "the window is not the installed program's: $(readlink "/proc/$E2E_APP/exe")"
user=$(ps -o user= -p "$E2E_APP" | tr -d ' ')
[ "$user" = "$([ "$(id -u)" -eq 0 ] && echo nobody || id -un)" ] ||
  e2e_fail "the program runs as $user, not as the ordinary user"

# The document arrived: the toolbar's save writes it back under its name, as RTF.
# shellcheck disable=SC2086
e2e_click $E2E_TOOL_SAVE
for _ in $(seq 50); do grep -q 'rtf1' "$E2E_WORK/docs/letter.txt" && break; sleep 0.1; done
saved=$(cat "$E2E_WORK/docs/letter.txt")
[[ $saved == "{\\rtf1"* ]] || e2e_fail "the save did not write letter.txt as RTF: ${saved:0:60}"
[[ $saved == *"Installed from the package."* ]] || e2e_fail "the document's text is not in the editor"

# "Выход" of the settings window writes the settings: into the user's configuration folder,
# since the program folder is read-only.
# shellcheck disable=SC2086
e2e_click $MENU_SETTINGS
e2e_wait_windows 2
sleep 1  # the settings window grows into view
settings_window=$(e2e_windows | grep -vx "$E2E_WIN" | head -1)
# shellcheck disable=SC2086
xdotool mousemove --window "$settings_window" $SETTINGS_EXIT click 1
e2e_wait_windows 1
user_ini="$XDG_CONFIG_HOME/tarvik/Parametr.ini"
[ -f "$user_ini" ] || e2e_fail "the settings did not land in $user_ini"
cp "$user_ini" "$E2E_ART/user-Parametr.ini"
for key in $(sed -n 's/=.*//p' "$root/usr/lib/tarvik/Parametr.ini"); do
  grep -q "^$key=" "$user_ini" || e2e_fail "the user's settings file lacks $key"
done

# The program registers itself for the user at start-up; that entry agrees with the package's:
# the same MIME types, the installed program.
user_entry="$XDG_DATA_HOME/applications/TARVIK.desktop"
[ -f "$user_entry" ] || e2e_fail "the program did not register itself for the user"
cp "$user_entry" "$E2E_ART/"
[ "$(sed -n 's/^MimeType=//p' "$user_entry")" = "$entry_types" ] ||
  e2e_fail "the program registers other MIME types than the package: $(grep MimeType "$user_entry")"
grep -qxF "Exec=\"$root/usr/lib/tarvik/tarvik\" %f" "$user_entry" ||
  e2e_fail "the program's own entry does not start the installed program: $(grep Exec "$user_entry")"
e2e_close

[ "$(snapshot)" = "$before" ] || e2e_fail "the run changed the program folder"
written=$(find "$root" -newer "$E2E_WORK/started" -not -type d)
[ -z "$written" ] || e2e_fail "the run wrote into the installed tree: $written"

# --- Removing ---
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$root/usr/lib/tarvik"
rootdpkg --purge tarvik >"$E2E_ART/purge.log" 2>&1 ||
  e2e_fail "dpkg could not remove the package: $(tail -3 "$E2E_ART/purge.log")"
for f in $expected; do
  [ -e "$root/$f" ] || [ -L "$root/$f" ] && e2e_fail "$f is left after the removal"
done
[ -e "$root/usr/lib/tarvik" ] && e2e_fail "the program folder is left after the removal"
rootdpkg -s tarvik >/dev/null 2>&1 && e2e_fail "dpkg still lists tarvik"
echo "ok: package built ($(du -k "$deb" | cut -f1) KiB), installed, run with a document, validated, removed"
