#!/usr/bin/env bash
# Side-by-side timing on N generated lines of the benchmark mix (1,000,000 by
# default): quorvane-cli end to end (file in, -o file out) on one thread and
# on two (-j 1, -j 2) with their ratio, EvaluateLine alone over the same lines
# in memory, and muparser parsing and evaluating each line once; then
# quorvane-cli on BIG lines (10,000,000 by default) and on one line of 100 MB
# to show that its memory stays flat, small inputs on one thread and two
# (below some size threads do not pay), and "&Calc" of the dialog on a
# 100,000-line input file. Rates are given by the wall clock and by the
# processor time used, which other programs on a busy machine do not take
# away; the runs of -j 1 and -j 2 take turns, so that both meet the same load.
#
#   bench/run-bench.sh [N]
#
# Environment: BUILD_DIR (default build/bench), RUNS (timed runs of each,
# median taken; default 5), MUPARSER_RUNS (default 3), BIG (default 10000000),
# SMALL_RUNS (runs of each small input; default 40).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
lines=${1:-1000000}
build=${BUILD_DIR:-$root/build/bench}
runs=${RUNS:-5}
muparser_runs=${MUPARSER_RUNS:-3}
big=${BIG:-10000000}
small_runs=${SMALL_RUNS:-40}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BUILD_QT=OFF \
    >/dev/null
cmake --build "$build" >/dev/null

cli=$build/cli/quorvane-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# median: the middle of the numbers on standard input
median() { sort -g | awk 'NF { v[++n] = $1 } END { print v[int((n + 1) / 2)] }'; }

# run_cli FILE RUNS JOBS...: times quorvane-cli -j JOBS FILE -o OUT, RUNS
# rounds in which each JOBS takes its turn; prints for each JOBS, one a line,
# the medians of "wall-lines/s cpu-lines/s peak-KiB" (the peak resident
# memory from GNU time, "n/a" without it)
run_cli() {
    local file=$1 count=$2 n real user sys jobs
    shift 2
    local -A walls=() cpus=() peaks=()
    local measure=()
    n=$(wc -l <"$file")
    [[ -x /usr/bin/time ]] && measure=(/usr/bin/time -f '%M' -o "$work/peak")
    for ((run = 0; run < count; run++)); do
        for jobs in "$@"; do
            echo n/a >"$work/peak"
            TIMEFORMAT='%3R %3U %3S'
            # Exit status 1 (some line gave Error) is a run like any other.
            { time "${measure[@]}" "$cli" -j "$jobs" "$file" -o "$work/out.txt" >"$work/values.txt" \
                2>/dev/null || [[ $? == 1 ]]; } 2>"$work/times"
            read -r real user sys <"$work/times"
            walls[$jobs]+="$(awk -v n="$n" -v s="$real" 'BEGIN { printf "%.0f", n / s }')"$'\n'
            cpus[$jobs]+="$(awk -v n="$n" -v s="$user" -v t="$sys" 'BEGIN { printf "%.0f", n / (s + t) }')"$'\n'
            peaks[$jobs]+="$(tail -1 "$work/peak")"$'\n'
        done
    done
    for jobs in "$@"; do
        echo "$(median <<<"${walls[$jobs]}") $(median <<<"${cpus[$jobs]}") $(median <<<"${peaks[$jobs]}")"
    done
}

# rates_of: "wall cpu" from a harness's line "NAME: N lines, W lines/s, cpu C lines/s..."
rates_of() { sed -E 's/.* ([0-9]+) lines\/s, cpu ([0-9]+) lines\/s.*/\1 \2/'; }

echo "Generating $lines lines of the mix..."
"$build/bench/generate_mix" "$lines" >"$work/mix.txt"

{
    read -r cli_wall cli_cpu cli_peak
    read -r two_wall two_cpu two_peak
} < <(run_cli "$work/mix.txt" "$runs" 1 2)
read -r eval_wall eval_cpu < <("$build/bench/evaluate_lines" "$work/mix.txt" "$runs" | rates_of)
mu_wall=""
if [[ -x "$build/bench/muparser_lines" ]]; then
    read -r mu_wall mu_cpu < <("$build/bench/muparser_lines" "$work/mix.txt" "$muparser_runs" | rates_of)
fi

printf '\n%-46s %14s %14s\n' "$lines lines, medians of $runs runs" "lines/s wall" "lines/s cpu"
printf '%-46s %14s %14s   peak memory %s KiB\n' "quorvane-cli -j 1 (file in, -o file out)" \
    "$cli_wall" "$cli_cpu" "$cli_peak"
printf '%-46s %14s %14s   peak memory %s KiB\n' "quorvane-cli -j 2 (file in, -o file out)" \
    "$two_wall" "$two_cpu" "$two_peak"
awk -v w1="$cli_wall" -v c1="$cli_cpu" -v w2="$two_wall" -v c2="$two_cpu" 'BEGIN {
    printf "%-46s %13.2fx %13.2fx\n", "quorvane-cli -j 2 / -j 1", w2 / w1, c2 / c1 }'
printf '%-46s %14s %14s\n' "EvaluateLine alone, lines in memory" "$eval_wall" "$eval_cpu"
if [[ -n "$mu_wall" ]]; then
    printf '%-46s %14s %14s   (%s runs)\n' "muparser parse and evaluate, lines in memory" \
        "$mu_wall" "$mu_cpu" "$muparser_runs"
    awk -v cw="$cli_wall" -v cc="$cli_cpu" -v ew="$eval_wall" -v ec="$eval_cpu" \
        -v mw="$mu_wall" -v mc="$mu_cpu" 'BEGIN {
        printf "%-46s %13.1fx %13.1fx\n", "quorvane-cli -j 1 / muparser", cw / mw, cc / mc
        printf "%-46s %13.1fx %13.1fx\n", "EvaluateLine / muparser", ew / mw, ec / mc }'
else
    echo "muparser not found (libmuparser-dev): no comparison"
fi

echo
echo "Memory of quorvane-cli against the size of the input:"
"$build/bench/generate_mix" "$big" 2 >"$work/big.txt"
{
    read -r big_wall big_cpu big_peak
    read -r big2_wall big2_cpu big2_peak
} < <(run_cli "$work/big.txt" 1 1 2)
rm -f "$work/big.txt"
printf '%12s lines, -j 1: peak memory %6s KiB\n' "$lines" "$cli_peak"
printf '%12s lines, -j 2: peak memory %6s KiB\n' "$lines" "$two_peak"
printf '%12s lines, -j 1: peak memory %6s KiB   (%s lines/s wall, %s cpu)\n' "$big" "$big_peak" \
    "$big_wall" "$big_cpu"
printf '%12s lines, -j 2: peak memory %6s KiB   (%s lines/s wall, %s cpu)\n' "$big" "$big2_peak" \
    "$big2_wall" "$big2_cpu"
awk 'BEGIN { ORS = ""; for (i = 0; i < 50000000; i++) print "1+"; print "1\n" }' >"$work/long.txt"
{
    read -r _ _ long_peak
    read -r _ _ long2_peak
} < <(run_cli "$work/long.txt" 1 1 2)
rm -f "$work/long.txt"
printf '%18s, -j 1: peak memory %6s KiB\n' "one line of 100 MB" "$long_peak"
printf '%18s, -j 2: peak memory %6s KiB\n' "one line of 100 MB" "$long2_peak"

echo
echo "Small inputs, milliseconds a run (medians of $small_runs runs, -j 1 and -j 2 taking turns):"
printf '%12s %10s %10s %10s\n' "lines" "-j 1" "-j 2" "-j 2 / -j 1"
"$build/bench/generate_mix" 50000 3 >"$work/small-mix.txt"
for count in 2000 6000 12000 18000 25000 50000; do
    head -n "$count" "$work/small-mix.txt" >"$work/small.txt"
    for jobs in 1 2; do : >"$work/small-$jobs"; done
    for ((run = 0; run < small_runs; run++)); do
        for jobs in 1 2; do
            start=$EPOCHREALTIME
            "$cli" -j "$jobs" "$work/small.txt" -o "$work/out.txt" >/dev/null
            awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { print b - a }' >>"$work/small-$jobs"
        done
    done
    one=$(median <"$work/small-1")
    two=$(median <"$work/small-2")
    awk -v n="$count" -v a="$one" -v b="$two" -v size="$(stat -c %s "$work/small.txt")" 'BEGIN {
        printf "%12s %10.1f %10.1f %10.2f   (%d KiB)\n", n, 1000 * a, 1000 * b, b / a, size / 1024 }'
done

if [[ -x "$build/bench/dialog_calc_bench" ]]; then
    echo
    "$build/bench/dialog_calc_bench" 100000 "$runs"
fi
