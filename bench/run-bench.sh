#!/usr/bin/env bash
# Side-by-side timing on N generated lines of the benchmark mix (1,000,000 by
# default): quorvane-cli end to end (file in, -o file out), EvaluateLine alone
# over the same lines in memory, and muparser parsing and evaluating each line
# once; then quorvane-cli on BIG lines (10,000,000 by default) to show that its
# memory stays flat, and "&Calc" of the dialog on a 100,000-line input file.
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

# run_cli FILE RUNS: times quorvane-cli FILE -o OUT; prints "lines/s peak-KiB"
# (the peak resident memory, from GNU time; "n/a" without it)
run_cli() {
    local file=$1 count=$2 rates="" peaks="" start end n
    n=$(wc -l <"$file")
    for ((run = 0; run < count; run++)); do
        start=$(date +%s%N)
        if [[ -x /usr/bin/time ]]; then
            /usr/bin/time -f '%M' -o "$work/time" "$cli" "$file" -o "$work/out.txt" >"$work/values.txt"
            peaks+="$(tail -1 "$work/time")"$'\n'
        else
            "$cli" "$file" -o "$work/out.txt" >"$work/values.txt"
            peaks+=$'n/a\n'
        fi
        end=$(date +%s%N)
        rates+="$(awk -v n="$n" -v ns=$((end - start)) 'BEGIN { printf "%.0f", n / (ns / 1e9) }')"$'\n'
    done
    echo "$(median <<<"$rates") $(median <<<"$peaks")"
}

rate_of() { sed -E 's/.* ([0-9]+) lines\/s.*/\1/'; }

echo "Generating $lines lines of the mix..."
"$build/bench/generate_mix" "$lines" >"$work/mix.txt"

read -r cli_rate cli_peak < <(run_cli "$work/mix.txt" "$runs")
evaluate_rate=$("$build/bench/evaluate_lines" "$work/mix.txt" "$runs" | rate_of)
if [[ -x "$build/bench/muparser_lines" ]]; then
    muparser_rate=$("$build/bench/muparser_lines" "$work/mix.txt" "$muparser_runs" | rate_of)
else
    muparser_rate=""
fi

printf '\n%-44s %14s\n' "$lines lines, median of $runs runs" "lines/s"
printf '%-44s %14s   peak memory %s KiB\n' "quorvane-cli (file in, -o file out)" "$cli_rate" "$cli_peak"
printf '%-44s %14s\n' "EvaluateLine alone, lines in memory" "$evaluate_rate"
if [[ -n "$muparser_rate" ]]; then
    printf '%-44s %14s   (median of %s runs)\n' "muparser parse and evaluate, lines in memory" \
        "$muparser_rate" "$muparser_runs"
    awk -v c="$cli_rate" -v e="$evaluate_rate" -v m="$muparser_rate" 'BEGIN {
        printf "quorvane-cli / muparser: %.1fx   EvaluateLine / muparser: %.1fx\n", c / m, e / m }'
else
    echo "muparser not found (libmuparser-dev): no comparison"
fi

echo
echo "Memory of quorvane-cli against the size of the input:"
"$build/bench/generate_mix" "$big" 2 >"$work/big.txt"
read -r big_rate big_peak < <(run_cli "$work/big.txt" 1)
printf '%12s lines: peak memory %6s KiB\n' "$lines" "$cli_peak"
printf '%12s lines: peak memory %6s KiB   (%s lines/s)\n' "$big" "$big_peak" "$big_rate"
rm -f "$work/big.txt"

if [[ -x "$build/bench/dialog_calc_bench" ]]; then
    echo
    "$build/bench/dialog_calc_bench" 100000 "$runs"
fi
