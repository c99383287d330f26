#!/usr/bin/env bash
# Builds the Windows program with mingw-w64 and tests it: the 32-bit product
# (build/win32) is checked for its format, its imports and its resources;
# then the end-to-end tests run under wine on Xvfb, against the product
# through wine's 32-bit loader and against the 64-bit build (build/win64)
# through wine64. A machine that cannot run 32-bit programs is told so in
# capitals and runs the 64-bit build only. QUORVANE_WINE32 names another
# 32-bit loader (one that cannot run shows that fallback where 32-bit runs).
# Needs the packages of scripts/install-deps.sh all.
#
# Under pipefail a pipeline fails when a reader that stops early (grep -q,
# head) ends its writer by SIGPIPE: outputs are captured whole and then
# looked at.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset win32
cmake --build --preset win32 -j 2
cmake --preset win64
cmake --build --preset win64 -j 2

product=build/win32/Quorvane.exe
skin=build/win32/SkinMagicTrial.dll
wine32=${QUORVANE_WINE32:-/usr/lib/wine/wine}
wine64=/usr/lib/wine/wine64
prefix=$PWD/build/win64/tests/win32/wine-prefix
fail() { echo "test-windows: $*" >&2; exit 1; }

echo "--- $product: 32-bit Windows program, runtime inside"
format=$(file "$product")
[[ $format == *'PE32 executable (GUI) Intel 80386'* ]] || fail "$product is not a 32-bit GUI program: $format"
[[ -f $skin ]] || fail "$skin is missing beside the program"
imports=$(i686-w64-mingw32-objdump -p "$product" | sed -n 's/^\tDLL Name: //p' | sort -f | tr '\n' ' ')
[[ $imports == "COMDLG32.DLL KERNEL32.dll msvcrt.dll ole32.dll SkinMagicTrial.dll USER32.dll " ]] ||
    fail "unexpected DLL imports: $imports"

echo "--- $product imports SkinMagicTrial.dll by ordinals 1, 3, 5, 8 only"
ordinals=$(i686-w64-mingw32-objdump -p "$product" |
    awk '/DLL Name: SkinMagicTrial.dll/ {on = 1; next} on && NF == 0 {on = 0} $1 == "vma:" {next}
         on && $3 == "<none>" {print $2} on && NF > 3 {print "named:" $0}' | sort -n | tr '\n' ' ')
[[ $ordinals == "1 3 5 8 " ]] || fail "skin imports are not ordinals 1 3 5 8: $ordinals"

echo "--- $skin exports ordinals 1, 3, 5, 8 without names"
skin_table=$(i686-w64-mingw32-objdump -p "$skin")
exports=$(sed -n 's/.*+base\[ *\([0-9]*\)\].*/\1/p' <<<"$skin_table" | tr '\n' ' ')
[[ $exports == "1 3 5 8 " ]] || fail "skin exports are not ordinals 1 3 5 8: $exports"
grep 'Name Pointer/Ordinal\] Table.*00000000' <<<"$skin_table" >/dev/null || fail "the skin library exports names"

echo "--- can this machine run 32-bit programs under wine?"
sh tests/win32/wine.sh prefix "$wine64" "$prefix" "$PWD/tests/win32/wine-prefix.reg"
no_32_bit=
if cannot=$(sh tests/win32/wine.sh probe "$wine32" "$prefix"); then
    echo "yes: the end-to-end tests run $product through $wine32 and the 64-bit build through $wine64"
    cmake --preset win64 -DQUORVANE_I686_PROGRAM="$PWD/$product" -DWINE32="$wine32" >/dev/null
else
    no_32_bit="$cannot: THE END-TO-END TESTS RUN THE 64-BIT BUILD ONLY, NOT THE SHIPPED 32-BIT $product"
    echo "$no_32_bit"
    cmake --preset win64 -DQUORVANE_I686_PROGRAM= >/dev/null
fi

ctest --preset win64

if [[ -n $no_32_bit ]]; then
    # The product's resources can still be read by the 64-bit driver.
    echo "--- resources of $product"
    sh tests/win32/wine.sh run "$wine64" "$prefix" "$PWD/build/win64/quorvane_win32_tests.exe" \
        resources "$PWD/$product"
    echo "$no_32_bit"
fi
