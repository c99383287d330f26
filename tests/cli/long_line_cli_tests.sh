#!/usr/bin/env bash
# quorvane-cli on lines of megabytes, which it takes in pieces: the values,
# and the -o records with every byte of the line, for lines that turn out to
# hold something only after megabytes of blanks and tabs and for lines that
# hold nothing. QUORVANE_CLI names the program.
set -u
source "$(dirname "$0")/common.sh"

repeat() { # repeat TEXT COUNT: TEXT written COUNT times
    awk -v t="$1" -v n="$2" 'BEGIN { ORS = ""; for (i = 0; i < n; i++) print t }'
}

# check NAME EXPECTED_STDOUT EXPECTED_STATUS: runs $work/in.txt with -o and
# compares the output file with $work/expected.txt
check() {
    local out rc
    out=$("$cli" "$work/in.txt" -o "$work/out.txt" 2>"$work/err")
    rc=$?
    [[ $rc == "$3" ]] || fail "$1: exit $rc expected $3 ($(head -c 200 "$work/err"))"
    [[ "$out" == "$2" ]] || fail "$1: stdout [$(head -c 200 <<<"$out")] expected [$2]"
    cmp -s "$work/out.txt" "$work/expected.txt" ||
        fail "$1: -o bytes differ ($(stat -c %s "$work/out.txt") bytes, expected $(stat -c %s "$work/expected.txt"))"
}

# A line of 3 MB: its value, and its record with the whole line.
long=$(repeat '1+' 1500000)1
printf '%s\r\n2\n' "$long" >"$work/in.txt"
printf '%s = Error\r\r\n\r\r\n2 = 2.00\r\r\n\r\r\n\r\n' "$long" >"$work/expected.txt"
check "3 MB expression" $'Error\n2.00' 1

# A comment of 3 MB after a short expression: the record keeps the comment.
long="1+1 //$(repeat 'c' 3000000)"
printf '%s' "$long" >"$work/in.txt"
printf '%s = 2.00\r\r\n\r\r\n\r\n' "${long^^}" >"$work/expected.txt"
check "3 MB comment" "2.00" 0

# Blanks and tabs for megabytes, then a character: the line fails, and its
# record holds every blank and tab in order.
blanks=$(repeat ' \t  ' 1000000)
for last in 'x' '/' '/x'; do
    printf '1\n%s%s\n3' "$blanks" "$last" >"$work/in.txt"
    printf '1 = 1.00\r\r\n\r\r\n%s%s = Error\r\r\n\r\r\n3 = 3.00\r\r\n\r\r\n\r\n' "$blanks" "${last^^}" \
        >"$work/expected.txt"
    check "blanks then '$last'" $'1.00\nError\n3.00' 1
done

# Blanks and tabs for megabytes, alone or before a comment: nothing to evaluate.
for last in '' '//' '// note'; do
    printf '1\n%s%s\n3' "$blanks" "$last" >"$work/in.txt"
    printf '1 = 1.00\r\r\n\r\r\n3 = 3.00\r\r\n\r\r\n\r\n' >"$work/expected.txt"
    check "blanks then '$last'" $'1.00\n3.00' 0
done

finish "long-line"
