#!/usr/bin/env bash
# quorvane-cli on hostile input: huge lines, deep nesting, millions of lines,
# binary garbage, names and numbers at and beyond the limits. Each line gives
# its value or Error; the tool never crashes. QUORVANE_CLI names the program.
set -u
# The last command of a pipeline runs in this shell, so that a failure that
# `run` counts at the end of `generator | run ...` counts for the script.
shopt -s lastpipe
source "$(dirname "$0")/common.sh"

# run NAME EXPECTED_STDOUT EXPECTED_STATUS < input
run() {
    local name=$1 expected=$2 status=$3 out rc
    out=$("$cli" 2>"$work/err")
    rc=$?
    [[ $rc == "$status" ]] || fail "$name: exit $rc expected $status ($(head -c 200 "$work/err"))"
    [[ "$out" == "$expected" ]] || fail "$name: stdout [$(head -c 200 <<<"$out")] expected [$expected]"
}

repeat() { # repeat TEXT COUNT: TEXT written COUNT times
    local text=$1 count=$2
    awk -v t="$text" -v n="$count" 'BEGIN { ORS = ""; for (i = 0; i < n; i++) print t }'
}

repeat '1+' 50000000 | run "100 MB single line" "Error" 1
{ repeat '1+' 50000000; printf '\n2\n'; } | run "100 MB line then a short one" $'Error\n2.00' 1
{ printf '1//'; repeat 'x' 10000000; } | run "10 MB comment" "1.00" 0
repeat '(' 1000000 | run "1,000,000 (" "Error" 1
repeat ' ' 10000000 | run "10,000,000 blanks" "" 0
{ repeat ' ' 5000000; printf '7'; } | run "blanks then a number" "Error" 1

for length in 63 64 10000; do
    name=$(repeat A "$length")
    number=$(repeat 9 "$length")
    if ((length <= 63)); then
        printf '%s\n' "$name" | run "name of $length" "0.00" 0
    else
        printf '%s\n' "$name" | run "name of $length" "Error" 1
        printf '%s\n' "$number" | run "number of $length" "Error" 1
    fi
done
# 63 nines: a value of 1e63, printed in full.
expected=$(awk 'BEGIN { printf "%.2f", 999999999999999999999999999999999999999999999999999999999999999 }')
repeat 9 63 | run "number of 63 digits" "$expected" 0

{ repeat '1+' 255; printf '1,\n'; } | run "512 tokens" "256.00" 0
{ repeat '1+' 256; printf '1\n'; } | run "513 tokens" "Error" 1

printf '1\xff2\n3\x1a\n4' | run "0xFF kept, 0x1A ends" $'0.00\n3.00' 0
printf '5\x00\n6' | run "NUL ends" "5.00" 0
printf '1\r2\n3\r\n4\n\r5\r\r\n\n6' | run "mixed line ends" $'1.00\n2.00\n3.00\n4.00\n5.00\n6.00' 0

head -c 2000000 /dev/urandom >"$work/garbage"
"$cli" "$work/garbage" -o "$work/garbage.out" >/dev/null 2>&1
rc=$?
[[ $rc == 0 || $rc == 1 ]] || fail "binary garbage: exit $rc"
tail -c 2 "$work/garbage.out" | od -An -c | grep -q '\\r  *\\n' || fail "binary garbage: output file does not end in CR LF"

awk 'BEGIN { for (i = 0; i < 10000000; i++) print "1+1" }' >"$work/ten-million.txt"
"$cli" -j 2 "$work/ten-million.txt" -o "$work/ten-million.out" >"$work/ten-million.values"
rc=$?
[[ $rc == 0 ]] || fail "10,000,000 lines: exit $rc"
[[ "$(sort -u "$work/ten-million.values")" == "2.00" && $(wc -l <"$work/ten-million.values") == 10000000 ]] ||
    fail "10,000,000 lines: values"
[[ $(stat -c %s "$work/ten-million.out") == $((10000000 * 16 + 2)) ]] || fail "10,000,000 lines: output size"
"$cli" -j 1 "$work/ten-million.txt" -o "$work/ten-million-1.out" >"$work/ten-million-1.values"
cmp -s "$work/ten-million-1.values" "$work/ten-million.values" || fail "10,000,000 lines: -j 1 and -j 2 print differently"
cmp -s "$work/ten-million-1.out" "$work/ten-million.out" || fail "10,000,000 lines: -j 1 and -j 2 write differently"

finish "hostile-input"
