#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every desktop file is where a
# desktop looks for it and passes the desktop's own validators.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

share=$prefix/share
for f in "$prefix/bin/bsudoku" \
         "$share/applications/$id.desktop" \
         "$share/metainfo/$id.metainfo.xml" \
         "$share/mime/packages/$id.xml" \
         "$share/icons/hicolor/scalable/apps/$id.svg" \
         "$share/icons/hicolor/48x48/apps/$id.png" \
         "$share/icons/hicolor/128x128/apps/$id.png" \
         "$share/icons/hicolor/256x256/apps/$id.png"; do
  [ -e "$f" ] || { echo "missing after install: $f"; exit 1; }
done

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -q '^Categories=Game;LogicGame;$' "$share/applications/$id.desktop"
grep -q '^MimeType=application/x-bsudoku;$' "$share/applications/$id.desktop"
grep -q 'sub-class-of type="text/plain"' "$share/mime/packages/$id.xml"
echo "desktop files installed and valid"
