#!/usr/bin/env bash
# End-to-end checks of quorvane-cli: standard input, files, -o bytes,
# messages and exit codes. QUORVANE_CLI names the program.
set -u
source "$(dirname "$0")/common.sh"

# expect NAME INPUT_BYTES EXPECTED_STDOUT EXPECTED_STATUS  (input through standard input)
expect() {
    local name=$1 input=$2 expected out rc
    expected=$(printf '%b.' "$3")
    expected=${expected%.}
    out=$(printf '%b' "$input" | "$cli" 2>"$work/err"; echo "rc=$?")
    rc=${out##*rc=}
    out=${out%rc=*}
    [[ "$out" == "$expected" ]] || fail "$name: stdout [$out] expected [$expected]"
    [[ "$rc" == "$4" ]] || fail "$name: exit $rc expected $4"
}

expect sample '((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.6' '168.00\n2.00\n26.60\n' 0
expect line-ends '1\n2\r3\r\n\r\n\n4' '1.00\n2.00\n3.00\n4.00\n' 0
expect error-line '8/0\n2' 'Error\n2.00\n' 1
expect nothing-lines '  \n// note\n\t\n' '' 0
expect signs-and-mends '-5\n2*-3\nexp2(3)\nlog2(8)\nround(0-0.3)\n7%0' '-5.00\n-6.00\n8.00\n3.00\n0.00\nError\n' 1
expect special-values 'log(0)\nsqrt(0-4)\n0-log(0)' '-inf\nnan\ninf\n' 0
expect ctrl-z-ends '1\n\x1a\n2' '1.00\n' 0
expect nul-ends '1\n2\x00\n3' '1.00\n2.00\n' 0
expect no-final-line-end '1+1' '2.00\n' 0
expect empty-input '' '' 0

# A file argument and "-" read the same way.
printf '1+1\r\n\r\nsqrt(16)' >"$work/in.txt"
[[ "$("$cli" "$work/in.txt")" == $'2.00\n4.00' ]] || fail "file argument"
[[ "$("$cli" - <"$work/in.txt")" == $'2.00\n4.00' ]] || fail "dash reads standard input"

# -o writes the output file's exact bytes.
"$cli" "$work/in.txt" -o "$work/out.txt" >/dev/null || fail "-o exit status"
printf '1+1 = 2.00\r\r\n\r\r\nSQRT(16) = 4.00\r\r\n\r\r\n\r\n' >"$work/expected.txt"
cmp -s "$work/out.txt" "$work/expected.txt" || fail "-o bytes: $(od -c -N 80 "$work/out.txt")"
printf '8/0\n \n' | "$cli" -o "$work/err.txt" >/dev/null
[[ $? == 1 ]] || fail "-o with an Error line exits 1"
printf '8/0 = Error\r\r\n\r\r\n\r\n' >"$work/expected.txt"
cmp -s "$work/err.txt" "$work/expected.txt" || fail "-o Error record"
printf '\n\n' | "$cli" -o "$work/empty.txt" >/dev/null
printf '\r\n' >"$work/expected.txt"
cmp -s "$work/empty.txt" "$work/expected.txt" || fail "-o with no line holds only CR LF"

# expect_error NAME EXPECTED_MESSAGE ARGS...  (exit 2, message on standard error, nothing on standard output)
expect_error() {
    local name=$1 message=$2 out rc
    shift 2
    out=$("$cli" "$@" 2>"$work/err" </dev/null)
    rc=$?
    [[ $rc == 2 ]] || fail "$name: exit $rc expected 2"
    [[ -z "$out" ]] || fail "$name: unexpected stdout [$out]"
    grep -qxF -- "$message" "$work/err" || fail "$name: stderr [$(cat "$work/err")] expected [$message]"
}

expect_error missing-input "Sorry, Specified File '$work/none.txt' is Not Exist!" "$work/none.txt"
[[ ! -e "$work/none.txt" ]] || fail "a missing input file is created"
expect_error input-is-folder "Open File '$work' Failed!" "$work"
mkfifo "$work/fifo"
expect_error input-is-fifo "Open File '$work/fifo' Failed!" "$work/fifo"
expect_error output-in-missing-folder "Open File '$work/no/out.txt' Failed!" "$work/in.txt" -o "$work/no/out.txt"
expect_error output-is-folder "Open File '$work' Failed!" "$work/in.txt" -o "$work"
if [[ -w /dev/full ]]; then
    # The values are printed; the file that could not be stored is reported.
    out=$("$cli" "$work/in.txt" -o /dev/full 2>"$work/err")
    rc=$?
    [[ $rc == 2 ]] || fail "output-full: exit $rc expected 2"
    [[ "$out" == $'2.00\n4.00' ]] || fail "output-full: stdout [$out]"
    grep -qxF "Write File '/dev/full' Failed!" "$work/err" || fail "output-full: message [$(cat "$work/err")]"
fi
cp "$work/in.txt" "$work/keep.txt"
expect_error output-is-input "Output File '$work/./in.txt' is the Input File!" "$work/in.txt" -o "$work/./in.txt"
ln -s "$work/in.txt" "$work/link.txt"
expect_error output-is-input-by-link "Output File '$work/link.txt' is the Input File!" "$work/in.txt" -o "$work/link.txt"
cmp -s "$work/in.txt" "$work/keep.txt" || fail "the input file changed"
expect_error bad-option "Usage: quorvane-cli [INPUT|-] [-o OUTPUT]" --bogus
expect_error two-inputs "Usage: quorvane-cli [INPUT|-] [-o OUTPUT]" a b
expect_error o-without-path "Usage: quorvane-cli [INPUT|-] [-o OUTPUT]" -o

out=$("$cli" --help 2>"$work/err")
rc=$?
[[ $rc == 0 ]] || fail "--help: exit $rc expected 0"
[[ $out == "Usage: quorvane-cli "* ]] || fail "--help prints the usage: [$out]"

# A path with blanks, quotes and shell characters is only a path.
odd="a b'\"; \$(touch ran) \`touch ran\` é.txt"
cd "$work" || exit 1
printf '2*3' >"$odd"
[[ "$("$cli" "$odd" -o "$odd.out")" == "6.00" && -s "$odd.out" ]] || fail "odd path"
[[ ! -e ran ]] || fail "a path was run by a shell"
cd - >/dev/null || exit 1

finish "quorvane-cli"
