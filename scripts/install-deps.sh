#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Marklow.
# Idempotent: packages already present are skipped, and apt is not touched at all
# when everything is installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n
  libqt6svg6 qt6-qpa-plugins libgl-dev
  qt6-documentation-tools libqt6sql6-sqlite desktop-file-utils shared-mime-info appstream
  libgtest-dev libgmock-dev googletest libbenchmark-dev libicu-dev
  clang libclang-rt-14-dev
  xvfb xauth poppler-utils fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-noto-cjk fonts-symbola fonts-noto-color-emoji
  python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
