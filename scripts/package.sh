#!/usr/bin/env bash
# Builds the release packages into build/packages/ with CPack and prints their
# paths, one a line:
#   quorvane_VERSION_amd64.deb          the Linux programs (build/release)
#   Quorvane-VERSION-win32.zip          the 32-bit Windows program (build/win32)
#   Quorvane-VERSION-win32-setup.exe    its installer
# VERSION is the project version of the top-level CMakeLists.txt. The build
# output goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=build/packages

{
    scripts/install-deps.sh package
    rm -rf "$packages"
    cmake --preset release
    cmake --build --preset release
    cpack --preset deb
    cmake --preset win32
    cmake --build --preset win32
    cpack --preset windows
    rm -rf "$packages/_CPack_Packages"
} >&2

for package in "$packages"/*.deb "$packages"/*.zip "$packages"/*-setup.exe; do
    echo "$PWD/$package"
done
