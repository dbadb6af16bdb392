#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test 嘉名.
# Only missing packages are installed; uses sudo when not root.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config python3 xz-utils git clang-format
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libsqlite3-dev libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  unicode-data opencc rime-data-wubi   # sources of the character table, compared by the tests
  fonts-noto-cjk
  libqt6svg6 qt6-translations-l10n
  xvfb xauth imagemagick
  openbox wmctrl xdotool x11-utils   # `make screenshot`: the program as a user sees it
  desktop-file-utils appstream dpkg-dev
)
# `install-deps.sh fuzz`: the compiler with libFuzzer, for `make fuzz`.
if [ "${1:-}" = fuzz ]; then PACKAGES=(clang libclang-rt-14-dev); fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
