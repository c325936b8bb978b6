#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop finds
# the program: binaries, launcher entry, metadata and icon.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/trulp bin/trulp-solve \
         share/applications/example.quorvel.trulp.desktop \
         share/metainfo/example.quorvel.trulp.metainfo.xml \
         share/icons/hicolor/256x256/apps/example.quorvel.trulp.png; do
  if [ ! -e "$prefix/$f" ]; then
    echo "missing after install: $f" >&2
    exit 1
  fi
done
desktop-file-validate "$prefix/share/applications/example.quorvel.trulp.desktop"
echo "install layout ok"
