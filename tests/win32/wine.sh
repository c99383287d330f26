#!/bin/sh
# Runs the Windows end-to-end tests under wine on a virtual X display, in a
# 64-bit prefix where wine64 runs 64-bit programs and wine 32-bit ones.
#   wine.sh prefix WINE64 PREFIX REGFILE
#       makes the wine prefix, once: it is kept and reused by later runs
#   wine.sh probe WINE PREFIX
#       exits 0 if WINE runs a 32-bit program (the prefix's command
#       interpreter) in PREFIX and it reports itself as 32-bit; otherwise
#       prints the head of the line in capitals that tells so and exits 1
#   wine.sh run WINE PREFIX DRIVER GROUP PROGRAM
#       runs one group of the test driver against PROGRAM (a Linux path),
#       the driver started by WINE
set -eu

mode=$1
wine=$2
prefix=$3
shift 3

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
wineserver="$(dirname "$wine")/wineserver"
display="-screen 0 1024x768x24"

case $mode in
prefix)
    reg=$1
    [ -f "$prefix/.quorvane-ready" ] && exit 0
    rm -rf "$prefix"
    # regedit reads a .reg file of version 5 as UTF-16 with a byte-order mark.
    reg16="$prefix.reg"
    { printf '\377\376'; iconv -f UTF-8 -t UTF-16LE "$reg"; } >"$reg16"
    # No Mono and no Gecko: the tests need neither, and asking for them would wait.
    WINEDLLOVERRIDES="mscoree,mshtml=" xvfb-run -a -s "$display" sh -c \
        '"$1" wineboot -i && "$1" regedit /S "$2" && "$3" -w' sh "$wine" "$reg16" "$wineserver"
    rm -f "$reg16"
    touch "$prefix/.quorvane-ready"
    ;;
probe)
    # No display: the command interpreter opens no window.
    architecture=$("$wine" cmd /c echo %PROCESSOR_ARCHITECTURE% 2>/dev/null) || architecture=
    "$wineserver" -k 2>/dev/null || true
    case $architecture in
    x86*) exit 0 ;;
    *)
        echo "THIS MACHINE CANNOT RUN 32-BIT PROGRAMS ($wine DID NOT RUN ONE)"
        exit 1
        ;;
    esac
    ;;
run)
    driver=$1
    group=$2
    program="Z:$(printf '%s' "$3" | tr / '\\')"
    # The program's home: a Chinese (PRC) system, whose ANSI code page is 936.
    # The server is stopped, and waited for, so that the next run starts a new one.
    xvfb-run -a -s "$display" sh -c \
        'LC_ALL=zh_CN.UTF-8 "$1" "$2" "$3" "$4"; status=$?; "$5" -k; "$5" -w; exit $status' \
        sh "$wine" "$driver" "$group" "$program" "$wineserver"
    ;;
*)
    echo "usage: wine.sh prefix|probe|run ..." >&2
    exit 2
    ;;
esac
