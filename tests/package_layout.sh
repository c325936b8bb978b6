#!/usr/bin/env bash
# Unpacks the Debian package and checks what an installed game needs: its
# files where Debian and the desktop look for them, a program that runs from
# the package, manual pages that render cleanly and cover every option, and
# no lintian errors.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
fail() { echo "package: $*" >&2; exit 1; }

icons=usr/share/icons/hicolor
for f in usr/games/trulp usr/games/trulp-solve \
         usr/share/applications/example.quorvel.trulp.desktop \
         usr/share/metainfo/example.quorvel.trulp.metainfo.xml \
         usr/share/man/man6/trulp.6.gz usr/share/man/man6/trulp-solve.6.gz \
         usr/share/doc/trulp/copyright usr/share/doc/trulp/changelog.gz \
         $icons/scalable/apps/example.quorvel.trulp.svg; do
  [ -f "$root/$f" ] || fail "missing $f"
done
for n in 16 24 32 48 64 128 256; do
  png=$icons/${n}x$n/apps/example.quorvel.trulp.png
  [ -f "$root/$png" ] || fail "missing $png"
  size=$(identify -format '%wx%h' "$root/$png")
  [ "$size" = "${n}x$n" ] || fail "$png is $size"
done

version=$(dpkg-deb -f "$deb" Version)
solve=$root/usr/games/trulp-solve
[ "$("$solve" --version)" = "trulp-solve $version" ] || fail "trulp-solve --version is not $version"

for page in trulp trulp-solve; do
  file=$root/usr/share/man/man6/$page.6.gz
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page.6: $warnings"
done

# The page must keep up with the program: each option of --help has an
# entry of its own (the first word after .TP; roff writes a dash as \-).
entries=$(zcat "$root/usr/share/man/man6/trulp-solve.6.gz" | sed 's/\\-/-/g' |
          awk 'tp { print $2 } { tp = $1 == ".TP" }')
options=$("$solve" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "trulp-solve --help lists no options"
for opt in $options; do
  grep -qxF -- "$opt" <<<"$entries" || fail "trulp-solve.6 has no entry for $opt"
done

# Moves files are the package's type, by content and by name, and the
# launcher takes one.
[ -f "$root/usr/share/mime/packages/example.quorvel.trulp.xml" ] || fail "no MIME type for moves files"
for type in moves puzzle; do
  [ -f "$root/$icons/48x48/mimetypes/application-x-trulp-$type.png" ] || fail "no icon for $type files"
done
update-mime-database "$root/usr/share/mime" 2>/dev/null
files=$(mktemp -d)
"$solve" --save "$files/mine" >/dev/null
"$solve" --puzzle nearly --optimal --save "$files/near" >/dev/null
cp "$files/TRULP_ near" "$files/renamed"
"$solve" --puzzle-file puzzles/classics/century.trulp --optimal --save "$files/century" >/dev/null
cp "$files/TRULP_ century" "$files/century-game"
printf 'TRULP puzzle\nname: typed\nstart:\nX.\ngoal:\n.X\n' >"$files/typed.trulp"
cp "$files/typed.trulp" "$files/typed"
content_type() {
  XDG_DATA_HOME=$files XDG_DATA_DIRS=$root/usr/share:/usr/share gio info -a standard::content-type "$1" |
    awk '/content-type/ { print $2 }'
}
for f in "TRULP_ mine" "TRULP_ near" renamed "TRULP_ century" century-game typed.trulp typed; do
  case $f in typed*) want=application/x-trulp-puzzle ;; *) want=application/x-trulp-moves ;; esac
  type=$(content_type "$files/$f")
  [ "$type" = "$want" ] || fail "$f is $type, not $want"
done
rm -rf "$files"
entry=$root/usr/share/applications/example.quorvel.trulp.desktop
grep -qx 'MimeType=application/x-trulp-moves;application/x-trulp-puzzle;' "$entry" ||
  fail "the launcher does not list moves and puzzle files"
grep -q '^Exec=trulp %f$' "$entry" || fail "the launcher does not pass the file"

# Without X (a Wayland session) the program needs Qt's Wayland plugin.
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || fail "does not recommend qt6-wayland"
dpkg-deb -f "$deb" Recommends | grep -qw qt6-translations-l10n || fail "does not recommend Qt's translations"

# No errors, and built with Debian's hardening flags: not even an
# informational hardening tag.
status=0
report=$(lintian -I --fail-on error "$deb") || status=$?
[ -z "$report" ] || echo "$report"
[ $status -eq 0 ] || fail "lintian reports errors"
if grep -q hardening- <<<"$report"; then fail "built without some hardening flag"; fi
echo "package layout ok: $deb"
