#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need.
# Only what is missing is installed; needs root (or sudo) when anything is.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev libgl-dev
  nlohmann-json3-dev  # JSON output of sheetwright-cli
  qt6-translations-l10n  # qtbase_ja: the buttons of Qt's own dialogs in Japanese
  fonts-ipafont-gothic fonts-ipafont-mincho
  poppler-utils  # pdftoppm: the tests read printed pages back
  xvfb xauth
  # tools/package-check.sh: dpkg-shlibdeps for the package's dependencies,
  # desktop-file-validate, xmllint and update-mime-database for its files
  dpkg-dev desktop-file-utils libxml2-utils shared-mime-info
)
if [ "${SW_WITH_FUZZ:-0}" = 1 ]; then packages+=(clang libclang-rt-dev); fi
# tools/windows-check.sh: the MinGW-w64 cross compiler and Wine to run its output.
if [ "${SW_WITH_WINDOWS:-0}" = 1 ]; then packages+=(g++-mingw-w64-x86-64-posix wine64); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
