#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, testing and running the
# calculator need, and only those that are missing, so a second run is quick.
# Usage: install-deps.sh [GROUP...]; no group means build, test and bench.
#   build    the program (Qt only)      test     GoogleTest
#   bench    Google Benchmark           package  the .deb and its checks
#   windows  the MinGW-w64 cross build and Wine (make windows-check)
#   fuzz     clang and libFuzzer (make fuzz)
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-zenhei fontconfig
  libc-bin
  qt6-translations-l10n
  libqrencode-dev
  # The workbooks and the Qcd chart; Qt Charts' CMake files need Qt OpenGL's.
  libxlsxwriter-dev qt6-charts-dev libqt6opengl6-dev
  python3-openpyxl poppler-utils
)
# The exports' tests read the workbooks back with openpyxl and the PDFs with
# pdftotext and pdfinfo.
test_packages=(libgtest-dev libgmock-dev python3-openpyxl poppler-utils)
bench_packages=(libbenchmark-dev)
# The program alone: everything above but the test and benchmark libraries.
build_packages=()
for p in "${packages[@]}"; do
  [[ " ${test_packages[*]} ${bench_packages[*]} " == *" $p "* ]] || build_packages+=("$p")
done
package_packages=(dpkg-dev file fakeroot lintian desktop-file-utils appstream qt6-translations-l10n)
windows_packages=(g++-mingw-w64-x86-64-posix googletest wine64 locales)
# make fuzz: clang with its libFuzzer and sanitizer runtimes (the core only, no Qt).
fuzz_packages=(cmake make ninja-build clang libclang-rt-14-dev)

if [[ $# -gt 0 ]]; then
  packages=()
  for group in "$@"; do
    case $group in
      build) packages+=("${build_packages[@]}") ;;
      test) packages+=("${test_packages[@]}") ;;
      bench) packages+=("${bench_packages[@]}") ;;
      package) packages+=("${package_packages[@]}") ;;
      windows) packages+=(cmake make ninja-build "${windows_packages[@]}") ;;
      fuzz) packages+=("${fuzz_packages[@]}") ;;
      *) echo "install-deps.sh: unknown group '$group'" >&2; exit 2 ;;
    esac
  done
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
