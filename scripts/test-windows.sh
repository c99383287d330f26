#!/usr/bin/env bash
# Builds the Windows program with mingw-w64 and tests it: the 32-bit product
# (build/win32) is checked for its format, its imports and its resources; the
# 64-bit build (build/win64) runs the end-to-end tests under wine64 and Xvfb.
# Needs the packages of scripts/install-deps.sh all.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset win32
cmake --build --preset win32 -j 2
cmake --preset win64
cmake --build --preset win64 -j 2

product=build/win32/Quorvane.exe
skin=build/win32/SkinMagicTrial.dll
fail() { echo "test-windows: $*" >&2; exit 1; }

echo "--- $product: 32-bit Windows program, runtime inside"
file "$product" | grep -q 'PE32 executable (GUI) Intel 80386' || fail "$product is not a 32-bit GUI program"
[[ -f $skin ]] || fail "$skin is missing beside the program"
imports=$(i686-w64-mingw32-objdump -p "$product" | sed -n 's/^\tDLL Name: //p' | sort -f | tr '\n' ' ')
[[ $imports == "COMDLG32.DLL KERNEL32.dll msvcrt.dll SkinMagicTrial.dll USER32.dll " ]] ||
    fail "unexpected DLL imports: $imports"

echo "--- $product imports SkinMagicTrial.dll by ordinals 1, 3, 5, 8 only"
ordinals=$(i686-w64-mingw32-objdump -p "$product" |
    awk '/DLL Name: SkinMagicTrial.dll/ {on = 1; next} on && NF == 0 {on = 0} $1 == "vma:" {next}
         on && $3 == "<none>" {print $2} on && NF > 3 {print "named:" $0}' | sort -n | tr '\n' ' ')
[[ $ordinals == "1 3 5 8 " ]] || fail "skin imports are not ordinals 1 3 5 8: $ordinals"

echo "--- $skin exports ordinals 1, 3, 5, 8 without names"
exports=$(i686-w64-mingw32-objdump -p "$skin" | sed -n 's/.*+base\[ *\([0-9]*\)\].*/\1/p' | tr '\n' ' ')
[[ $exports == "1 3 5 8 " ]] || fail "skin exports are not ordinals 1 3 5 8: $exports"
i686-w64-mingw32-objdump -p "$skin" | grep -q 'Name Pointer/Ordinal\] Table.*00000000' ||
    fail "the skin library exports names"

ctest --preset win64

echo "--- resources of $product"
sh tests/win32/wine.sh run /usr/lib/wine/wine64 "$PWD/build/win64/tests/win32/wine-prefix" \
    "$PWD/build/win64/quorvane_win32_tests.exe" resources "$PWD/$product"
