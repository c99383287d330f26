#!/usr/bin/env bash
# Installs the Debian 12 packages that the build needs.
#   scripts/install-deps.sh run       the Linux program: compiler, CMake, Ninja, Qt 6, fonts
#   scripts/install-deps.sh package   also what scripts/package.sh needs: the 32-bit
#                                     Windows cross build, NSIS and dpkg-shlibdeps
#   scripts/install-deps.sh all       also tests, sanitizers, fuzzing, benchmarks, the
#                                     Windows builds with wine and the package checkers,
#                                     and the locale zh_CN.UTF-8 in which the Windows
#                                     tests run wine
set -euo pipefail

run_packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
              qt6-base-dev libgl-dev fonts-wqy-microhei)
package_packages=("${run_packages[@]}" binutils-mingw-w64-i686 g++-mingw-w64-i686 nsis dpkg-dev)
all_packages=("${package_packages[@]}" clang libclang-rt-14-dev llvm clang-format
              xvfb xauth file binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64
              wine64 wine32:i386 fonts-wine libmuparser-dev time
              lintian appstream desktop-file-utils man-db unzip locales bash-completion)

set_of_packages=${1:-all}
case $set_of_packages in
    run) packages=("${run_packages[@]}") ;;
    package) packages=("${package_packages[@]}") ;;
    all) packages=("${all_packages[@]}") ;;
    *) echo "usage: $0 [run|package|all]" >&2; exit 2 ;;
esac

as_root=()
if [[ $(id -u) != 0 ]]; then
    as_root=(sudo)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    if [[ " ${missing[*]} " == *":i386 "* ]]; then
        foreign=$(dpkg --print-foreign-architectures)
        grep -x i386 <<<"$foreign" >/dev/null || "${as_root[@]}" dpkg --add-architecture i386
    fi
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Windows tests run wine as on a Chinese (PRC) system (tests/win32/wine.sh):
# without that locale, wine cannot give a file a name in Chinese on disk.
if [[ $set_of_packages == all ]]; then
    locales=$(locale -a)
    grep -ix 'zh_CN\.utf-\?8' <<<"$locales" >/dev/null ||
        "${as_root[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
