#!/usr/bin/env bash
# Every text the sources mark for translation is in the catalogues: lupdate,
# run on a copy of the English catalogue, must find nothing new and nothing
# gone, and must not discard a translator's note.
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/translations/trulp_en.ts" "$work/trulp_en.ts"
report=$(cd "$root" && "$lupdate" src -extensions cpp,h -no-obsolete -ts "$work/trulp_en.ts" 2>&1)
if grep -q "Discarding unconsumed meta data" <<<"$report"; then
  echo "$report" >&2
  echo "catalogues: a translator's note stands where no text follows it" >&2
  exit 1
fi
if ! grep -Eq "\(0 new and [0-9]+ already existing\)" <<<"$report" || grep -q "obsolete entries" <<<"$report"; then
  echo "$report" >&2
  echo "catalogues: run lupdate (see README, In your language) and translate the new texts" >&2
  exit 1
fi
echo "catalogues current"
