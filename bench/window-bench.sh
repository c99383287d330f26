#!/usr/bin/env bash
# Times both windows on input files of N lines of the benchmark mix (10,000,
# 100,000 and 1,000,000 by default), driven as a person uses them: the file
# loaded through "&Input From" by "&Calc", one keypad press with all its
# lines in the expression box, and a second "&Calc" from the box with
# "&Output To", whose file must hold the records of the box's text. The Qt
# window runs on Qt's offscreen platform, the Windows program (the 64-bit
# build) under wine64 on a virtual X display, driven from outside by a
# program of our own.
#
# For each window and N it prints the time of "&Calc" and of one keypad
# press (median of five), on the clock and in the window's processor time,
# which other programs on a busy machine do not take away; the peak memory;
# the edit boxes' own cost of taking the two texts (one setPlainText or
# SetWindowText each, in a window of the same template that does nothing
# else: processor time for Qt, the clock under wine, as "&Calc" is timed
# there); and whether the
# second run wrote every record.
#
#   bench/window-bench.sh [N...]
#
# Environment: QT_BUILD (default build/dev), WIN_BUILD (default build/win64),
# WINDOWS=qt, win32 or both (default both).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
sizes=("$@")
((${#sizes[@]})) || sizes=(10000 100000 1000000)
qt_build=${QT_BUILD:-$root/build/dev}
win_build=${WIN_BUILD:-$root/build/win64}
windows=${WINDOWS:-both}
wine64=/usr/lib/wine/wine64
prefix=$win_build/tests/win32/wine-prefix

cd "$root"
cmake --preset dev >/dev/null
cmake --build "$qt_build" --target generate_mix qt_window_bench >/dev/null
if [[ $windows != qt ]]; then
    cmake --preset win64 >/dev/null
    cmake --build "$win_build" --target Quorvane quorvane_win32_bench >/dev/null
    sh tests/win32/wine.sh prefix "$wine64" "$prefix" "$root/tests/win32/wine-prefix.reg"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-7s %9s %14s %16s %10s %12s %10s\n' "window" "lines" "Calc s" "keypad ms" "peak MiB" \
    "own set s" "2nd Calc"
printf '%-7s %9s %14s %16s %10s %12s %10s\n' "" "" "clock / cpu" "clock / cpu" "" "" ""
for lines in "${sizes[@]}"; do
    input=$work/mix-$lines.txt
    "$qt_build/bench/generate_mix" "$lines" >"$input"
    if [[ $windows != win32 ]]; then
        read -r count calc calc_cpu press press_cpu peak own written < <(
            QT_QPA_PLATFORM=offscreen "$qt_build/bench/qt_window_bench" "$input" \
                "$work/out.txt" 2>/dev/null || true)
        printf '%-7s %9s %6s / %-6s %7s / %-7s %10s %12s %10s\n' Qt "$lines" "$calc" "$calc_cpu" \
            "$press" "$press_cpu" "$(awk -v k="$peak" 'BEGIN { printf "%.0f", k / 1024 }')" \
            "$own" "$written"
    fi
    if [[ $windows != qt ]]; then
        windows_input="Z:$(printf '%s' "$input" | tr / '\\')"
        read -r count calc calc_cpu press press_cpu peak own written < <(
            sh tests/win32/wine.sh run "$wine64" "$prefix" "$win_build/quorvane_win32_bench.exe" \
                "$windows_input" "$win_build/Quorvane.exe" 2>/dev/null | tr -d '\r' || true)
        # wine does not report the processor time of another process.
        printf '%-7s %9s %6s / %-6s %7s / %-7s %10s %12s %10s\n' Win32 "$lines" "$calc" n/a \
            "$press" n/a "$(awk -v k="$peak" 'BEGIN { printf "%.0f", k / 1024 }')" "$own" \
            "$written"
    fi
    rm -f "$input"
done
