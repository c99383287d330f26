#!/usr/bin/env bash
# Side-by-side timing on N generated lines of the benchmark mix (1,000,000 by
# default): quorvane-cli end to end (file in, -o file out), EvaluateLine alone
# over the same lines in memory, and muparser parsing and evaluating each line
# once; then quorvane-cli on BIG lines (10,000,000 by default) to show that its
# memory stays flat, and "&Calc" of the dialog on a 100,000-line input file.
# Rates are given by the wall clock and by the processor time used, which
# other programs on a busy machine do not take away.
#
#   bench/run-bench.sh [N]
#
# Environment: BUILD_DIR (default build/bench), RUNS (timed runs of each,
# median taken; default 5), MUPARSER_RUNS (default 3), BIG (default 10000000).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
lines=${1:-1000000}
build=${BUILD_DIR:-$root/build/bench}
runs=${RUNS:-5}
muparser_runs=${MUPARSER_RUNS:-3}
big=${BIG:-10000000}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BUILD_QT=OFF \
    >/dev/null
cmake --build "$build" >/dev/null

cli=$build/cli/quorvane-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# median: the middle of the numbers on standard input
median() { sort -g | awk 'NF { v[++n] = $1 } END { print v[int((n + 1) / 2)] }'; }

# run_cli FILE RUNS: times quorvane-cli FILE -o OUT; prints the medians of
# "wall-lines/s cpu-lines/s peak-KiB" (the peak resident memory from GNU time,
# "n/a" without it)
run_cli() {
    local file=$1 count=$2 walls="" cpus="" peaks="" n real user sys
    local measure=()
    n=$(wc -l <"$file")
    [[ -x /usr/bin/time ]] && measure=(/usr/bin/time -f '%M' -o "$work/peak")
    for ((run = 0; run < count; run++)); do
        echo n/a >"$work/peak"
        TIMEFORMAT='%3R %3U %3S'
        { time "${measure[@]}" "$cli" "$file" -o "$work/out.txt" >"$work/values.txt"; } 2>"$work/times"
        read -r real user sys <"$work/times"
        walls+="$(awk -v n="$n" -v s="$real" 'BEGIN { printf "%.0f", n / s }')"$'\n'
        cpus+="$(awk -v n="$n" -v s="$user" -v t="$sys" 'BEGIN { printf "%.0f", n / (s + t) }')"$'\n'
        peaks+="$(tail -1 "$work/peak")"$'\n'
    done
    echo "$(median <<<"$walls") $(median <<<"$cpus") $(median <<<"$peaks")"
}

# rates_of: "wall cpu" from a harness's line "NAME: N lines, W lines/s, cpu C lines/s..."
rates_of() { sed -E 's/.* ([0-9]+) lines\/s, cpu ([0-9]+) lines\/s.*/\1 \2/'; }

echo "Generating $lines lines of the mix..."
"$build/bench/generate_mix" "$lines" >"$work/mix.txt"

read -r cli_wall cli_cpu cli_peak < <(run_cli "$work/mix.txt" "$runs")
read -r eval_wall eval_cpu < <("$build/bench/evaluate_lines" "$work/mix.txt" "$runs" | rates_of)
mu_wall=""
if [[ -x "$build/bench/muparser_lines" ]]; then
    read -r mu_wall mu_cpu < <("$build/bench/muparser_lines" "$work/mix.txt" "$muparser_runs" | rates_of)
fi

printf '\n%-46s %14s %14s\n' "$lines lines, medians of $runs runs" "lines/s wall" "lines/s cpu"
printf '%-46s %14s %14s   peak memory %s KiB\n' "quorvane-cli (file in, -o file out)" \
    "$cli_wall" "$cli_cpu" "$cli_peak"
printf '%-46s %14s %14s\n' "EvaluateLine alone, lines in memory" "$eval_wall" "$eval_cpu"
if [[ -n "$mu_wall" ]]; then
    printf '%-46s %14s %14s   (%s runs)\n' "muparser parse and evaluate, lines in memory" \
        "$mu_wall" "$mu_cpu" "$muparser_runs"
    awk -v cw="$cli_wall" -v cc="$cli_cpu" -v ew="$eval_wall" -v ec="$eval_cpu" \
        -v mw="$mu_wall" -v mc="$mu_cpu" 'BEGIN {
        printf "%-46s %13.1fx %13.1fx\n", "quorvane-cli / muparser", cw / mw, cc / mc
        printf "%-46s %13.1fx %13.1fx\n", "EvaluateLine / muparser", ew / mw, ec / mc }'
else
    echo "muparser not found (libmuparser-dev): no comparison"
fi

echo
echo "Memory of quorvane-cli against the size of the input:"
"$build/bench/generate_mix" "$big" 2 >"$work/big.txt"
read -r big_wall big_cpu big_peak < <(run_cli "$work/big.txt" 1)
rm -f "$work/big.txt"
printf '%12s lines: peak memory %6s KiB\n' "$lines" "$cli_peak"
printf '%12s lines: peak memory %6s KiB   (%s lines/s wall, %s cpu)\n' "$big" "$big_peak" \
    "$big_wall" "$big_cpu"

if [[ -x "$build/bench/dialog_calc_bench" ]]; then
    echo
    "$build/bench/dialog_calc_bench" 100000 "$runs"
fi
