#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing, and the Polish
# locale the tests switch to.
set -euo pipefail
wanted=(cmake make g++ clang libclang-rt-14-dev qt6-base-dev qt6-translations-l10n zlib1g-dev libgtest-dev
        libgmock-dev libbenchmark-dev imagemagick locales libcli11-dev libdeflate-dev libpng-dev
        qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
        pkgconf dpkg-dev "$@")
# The package checks: manual pages made from --help, Debian's policy, desktop entry and AppStream.
wanted+=(help2man lintian desktop-file-utils appstream)
missing=()
# A test runs the editor on a virtual X server and types its keys with xdotool.
wanted+=(xvfb xdotool)
# The monkey test asks the editor's window whether it still answers (scripts/x11_window.py).
wanted+=(python3 libx11-6)
sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# The date tests switch to a Polish locale to show that file dates stay English.
if ! locale -a 2>/dev/null | grep -qix 'pl_PL\.utf-\?8'; then
  echo "Generating the pl_PL.UTF-8 locale"
  $sudo sed -i 's/^# *pl_PL.UTF-8/pl_PL.UTF-8/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi
