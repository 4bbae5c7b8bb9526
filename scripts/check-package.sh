#!/usr/bin/env bash
# Builds the .deb of a finished build and checks it as Debian would: lintian with no error or
# warning, the desktop entry and the AppStream metadata without a remark.
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
rm -f "$build"/vyrworld_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vyrworld_*.deb)
# Errors and warnings fail; informational tags are shown, not fatal: its spelling check also
# reads words in machine code (" mor" in an optimised build), which no source change can mend.
lintian --fail-on error,warning --display-info "$deb"
# It exits 0 on hints, so any output fails.
out=$(desktop-file-validate src/res/vyrworld.desktop 2>&1) && [ -z "$out" ] || { echo "$out"; exit 1; }
appstreamcli validate --no-net --pedantic src/res/*.metainfo.xml
echo "package: $(basename "$deb") passes lintian, desktop-file-validate and appstreamcli"
