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
expect warnings-keep-the-status 'sqr(4)\n2 3\n2)+5' '4.00\n3.00\n2.00\n' 0

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

# Diagnostics: one line on standard error per line that gives Error, its line
# counted as a text editor counts (LF, CR LF and lone CR each end one).
printf '1+\r\n\r\n// c\n  8/0\r(0-5)%%0\n2\n(\n' >"$work/bad.txt"
diagnostics() { # diagnostics NAME: what the run of bad.txt reports, NAME in place of the file
    printf 'quorvane-cli: %s:1:2: missing operand\n' "$1"
    printf 'quorvane-cli: %s:4:4: division by zero\n' "$1"
    printf 'quorvane-cli: %s:5:6: remainder by zero\n' "$1"
    printf 'quorvane-cli: %s:7: missing operand' "$1" # no column is known
}
# expect_diagnostics INPUT VALUES NAME EXPECTED_STDERR ARGS...  (INPUT by file or standard
# input; exit 1)
expect_diagnostics() {
    local input=$1 values=$2 name=$3 expected=$4 out rc
    shift 4
    out=$("$cli" "$@" <"$input" 2>"$work/err")
    rc=$?
    [[ $rc == 1 ]] || fail "$name: exit $rc expected 1"
    [[ "$out" == "$values" ]] || fail "$name: stdout [$out]"
    [[ "$(cat "$work/err")" == "$expected" ]] || fail "$name: stderr [$(cat "$work/err")] expected [$expected]"
}
bad_values=$'Error\nError\nError\n2.00\nError'
expect_diagnostics "$work/bad.txt" "$bad_values" file "$(diagnostics "$work/bad.txt")" "$work/bad.txt"
expect_diagnostics "$work/bad.txt" "$bad_values" standard-input "$(diagnostics '(standard input)')"
expect_diagnostics "$work/bad.txt" "$bad_values" dash "$(diagnostics '(standard input)')" -
expect_diagnostics "$work/bad.txt" "$bad_values" quiet "" -q "$work/bad.txt"
expect_diagnostics "$work/bad.txt" "$bad_values" long-quiet "" "$work/bad.txt" --quiet

# Warnings: each doubtful spot of a line that has a value, at its line and
# column, a line's in the order of their columns, among the failures.
printf 'sqr(4)\r\n1+\n// x\n  2)+5\nx*2 // 3=4\n8/0\n' >"$work/doubtful.txt"
warned() { # warned NAME: what the run of doubtful.txt reports, warnings included
    printf 'quorvane-cli: %s:1:1: warning: %s\n' "$1" "'SQR' has no value; taken as 0"
    printf 'quorvane-cli: %s:1:4: warning: %s\n' "$1" "missing operator before '('"
    printf 'quorvane-cli: %s:2:2: missing operand\n' "$1"
    printf 'quorvane-cli: %s:4:4: warning: %s\n' "$1" "')' without '('; the rest of the line is ignored"
    printf 'quorvane-cli: %s:5:1: warning: %s\n' "$1" "'X' has no value; taken as 0"
    printf 'quorvane-cli: %s:6:2: division by zero' "$1"
}
doubtful_values=$'4.00\nError\n2.00\n0.00\nError'
expect_diagnostics "$work/doubtful.txt" "$doubtful_values" warnings "$(warned "$work/doubtful.txt")" \
    "$work/doubtful.txt"
expect_diagnostics "$work/doubtful.txt" "$doubtful_values" no-warnings \
    "$(warned '(standard input)' | grep -v ': warning: ')" -w
expect_diagnostics "$work/doubtful.txt" "$doubtful_values" quiet-warnings "" -q

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

expect_error missing-input "quorvane-cli: $work/none.txt: No such file or directory" "$work/none.txt"
[[ ! -e "$work/none.txt" ]] || fail "a missing input file is created"
expect_error output-in-missing-folder "quorvane-cli: $work/no/out.txt: No such file or directory" \
    "$work/in.txt" -o "$work/no/out.txt"
expect_error output-is-folder "quorvane-cli: $work: Is a directory" "$work/in.txt" -o "$work"
if [[ -w /dev/full ]]; then
    # The values are printed; the file that could not be stored is reported.
    out=$("$cli" "$work/in.txt" -o /dev/full 2>"$work/err")
    rc=$?
    [[ $rc == 2 ]] || fail "output-full: exit $rc expected 2"
    [[ "$out" == $'2.00\n4.00' ]] || fail "output-full: stdout [$out]"
    grep -qxF "quorvane-cli: /dev/full: No space left on device" "$work/err" ||
        fail "output-full: message [$(cat "$work/err")]"
fi
cp "$work/in.txt" "$work/keep.txt"
expect_error output-is-input "quorvane-cli: $work/./in.txt: is the input file" "$work/in.txt" -o "$work/./in.txt"
ln -s "$work/in.txt" "$work/link.txt"
expect_error output-is-input-by-link "quorvane-cli: $work/link.txt: is the input file" "$work/in.txt" -o "$work/link.txt"
out=$("$cli" -o "$work/link.txt" <"$work/in.txt" 2>"$work/err")
[[ $? == 2 && -z "$out" ]] || fail "output-is-standard-input: exit or stdout"
grep -qxF "quorvane-cli: $work/link.txt: is the input file" "$work/err" || fail "output-is-standard-input: message [$(cat "$work/err")]"
cmp -s "$work/in.txt" "$work/keep.txt" || fail "the input file changed"
# expect_usage NAME EXPECTED_FIRST_LINE ARGS...  (exit 2, nothing on standard output,
# standard error exactly the line given and the hint)
expect_usage() {
    local name=$1 expected out rc
    expected=$(printf '%s\nTry '"'"'quorvane-cli --help'"'"'.' "quorvane-cli: $2")
    shift 2
    out=$("$cli" "$@" 2>"$work/err" </dev/null)
    rc=$?
    [[ $rc == 2 ]] || fail "$name: exit $rc expected 2"
    [[ -z "$out" ]] || fail "$name: unexpected stdout [$out]"
    [[ "$(cat "$work/err")" == "$expected" ]] || fail "$name: stderr [$(cat "$work/err")] expected [$expected]"
}

expect_usage long-option "unknown option '--bogus'" --bogus
expect_usage short-option "unknown option '-x'" -x "$work/in.txt"
expect_usage two-inputs "extra argument 'b'" a b
expect_usage o-without-path "option '-o' needs a file name" -o
expect_usage o-dash "option '-o' needs a file name, not '-': the values go to standard output" -o -
expect_usage second-o "option '-o' given more than once" -o "$work/a.txt" -o "$work/b.txt"
[[ ! -e "$work/a.txt" && ! -e "$work/b.txt" ]] || fail "a usage error wrote an output file"
expect_usage jobs-zero "option '-j' needs a positive whole number, not '0'" -j 0
expect_usage jobs-negative "option '-j' needs a positive whole number, not '-2'" -j -2
expect_usage jobs-word "option '--jobs' needs a positive whole number, not 'all'" --jobs=all
expect_usage jobs-glued-word "option '-j' needs a positive whole number, not '2x'" -j2x
expect_usage jobs-without-number "option '--jobs' needs a number of jobs" --jobs

# -j in each spelling, through a pipe: the values, the -o file, the
# diagnostics and the exit status of -j 1.
# Every 997th line fails; every 101st other one has two warnings when odd,
# one when even.
awk 'BEGIN { for (i = 0; i < 300000; i++) print (i % 997 ? (i % 101 ? i "*2" : i % 2 ? i " x" : "x") : "(" i "/0") }' \
    >"$work/many.txt"
"$cli" -j 1 -o "$work/many-1.out" <"$work/many.txt" >"$work/many-1.values" 2>"$work/many-1.err"
rc1=$?
[[ $rc1 == 1 ]] || fail "many lines with -j 1: exit $rc1"
warnings=$(awk 'BEGIN { for (i = 0; i < 300000; i++) if (i % 997 && !(i % 101)) n += i % 2 ? 2 : 1; print n }')
[[ $(grep -c ': warning: ' "$work/many-1.err") == "$warnings" && $(wc -l <"$work/many-1.err") == $((warnings + 301)) ]] ||
    fail "many lines with -j 1: $(wc -l <"$work/many-1.err") diagnostics"
for jobs in '-j 2' '-j3' '--jobs 4' '--jobs=2'; do
    # shellcheck disable=SC2086 # the option and its number are two words or one
    cat "$work/many.txt" | "$cli" $jobs -o "$work/many-n.out" >"$work/many-n.values" 2>"$work/many-n.err"
    rc=$?
    [[ $rc == "$rc1" ]] || fail "$jobs: exit $rc expected $rc1"
    for kind in out values err; do
        cmp -s "$work/many-1.$kind" "$work/many-n.$kind" || fail "$jobs: the $kind differ from -j 1"
    done
done

# Every input the tool can open is read as the file is, on one thread and on
# two; a directory and a file it may not read are refused. Root reads every
# file: there, the tool runs as nobody to meet one it may not read.
# expect_input NAME VALUES_FILE EXPECTED_STDERR STATUS COMMAND: COMMAND, run by
# eval with $jobs 1 and then 2, gives these values, messages and exit status
expect_input() {
    local name=$1 values=$2 message=$3 status=$4 jobs rc
    for jobs in 1 2; do
        eval "$5" >"$work/input.out" 2>"$work/input.err"
        rc=$?
        [[ $rc == "$status" ]] || fail "$name -j $jobs: exit $rc expected $status"
        cmp -s "$work/input.out" "$values" || fail "$name -j $jobs: the values differ"
        [[ "$(cat "$work/input.err")" == "$message" ]] ||
            fail "$name -j $jobs: stderr [$(cat "$work/input.err")] expected [$message]"
    done
}
many=$work/many-1.values
mkfifo "$work/fifo"
expect_input pipe "$many" "" 1 'cat "$work/many.txt" | "$cli" -q -j "$jobs"'
expect_input named-pipe "$many" "" 1 'cat "$work/many.txt" >"$work/fifo" & "$cli" -q -j "$jobs" "$work/fifo"'
expect_input /dev/stdin "$many" "" 1 'cat "$work/many.txt" | "$cli" -q -j "$jobs" /dev/stdin'
expect_input process-substitution "$many" "" 1 '"$cli" -q -j "$jobs" <(cat "$work/many.txt")'
expect_input /dev/null /dev/null "" 0 '"$cli" -q -j "$jobs" /dev/null'
expect_input /dev/null-to-/dev/null /dev/null "" 0 '"$cli" -q -j "$jobs" /dev/null -o /dev/null'
expect_input directory /dev/null "quorvane-cli: $work: Is a directory" 2 '"$cli" -q -j "$jobs" "$work"'
expect_input directory-with-output /dev/null "quorvane-cli: $work: Is a directory" 2 \
    '"$cli" -q -j "$jobs" "$work" -o "$work/dir.out"'
[[ ! -e "$work/dir.out" ]] || fail "a directory as input created the output file"
install -m 000 "$work/many.txt" "$work/locked.txt"
unprivileged=()
((EUID != 0)) || { unprivileged=(setpriv --reuid=nobody --regid=nogroup --clear-groups) && chmod o+x "$work"; }
if "${unprivileged[@]}" "$cli" --version >/dev/null 2>&1; then
    expect_input unreadable /dev/null "quorvane-cli: $work/locked.txt: Permission denied" 2 \
        '"${unprivileged[@]}" "$cli" -q -j "$jobs" "$work/locked.txt"'
else
    echo "NOT CHECKED: A FILE THAT CANNOT BE READ (${unprivileged[*]} CANNOT RUN $cli)"
fi

# -j 1000 runs as -j 256: the tool has 256 threads while it waits for more of
# an input that it has read in more than 256 parts. QUORVANE_RUNTIME_THREADS
# counts those that a sanitizer's runtime adds.
awk 'BEGIN { for (i = 0; i < 100000; i++) printf "1 // %0200d\n", i }' >"$work/wide.txt"
"$cli" -q -j 1000 "$work/fifo" >/dev/null &
pid=$!
exec {feed}>"$work/fifo"
cat "$work/wide.txt" >&"$feed"
size=$(stat -c %s "$work/wide.txt")
for ((tries = 0; tries < 600; tries++)); do
    read_bytes=$(sed -n 's/^rchar: //p' "/proc/$pid/io" 2>/dev/null)
    ((${read_bytes:-$size} >= size)) && break # all read, or the tool has ended
    sleep 0.1
done
threads=("/proc/$pid/task/"*)
exec {feed}>&-
wait "$pid" || fail "-j 1000: exit $?"
expected_threads=$((256 + ${QUORVANE_RUNTIME_THREADS:-0}))
[[ ${#threads[@]} == "$expected_threads" ]] || fail "-j 1000: ${#threads[@]} threads, expected $expected_threads"

# A reader that stops early: the tool ends as with -j 1, killed by SIGPIPE,
# or with SIGPIPE ignored after the diagnostics so far and the write error.
for jobs in 1 2; do
    timeout 60 "$cli" -j "$jobs" "$work/many.txt" 2>/dev/null | { IFS= read -r _; }
    killed[jobs]=${PIPESTATUS[0]}
    (
        trap '' PIPE
        timeout 60 "$cli" -j "$jobs" "$work/many.txt" 2>"$work/pipe-$jobs.err" | { IFS= read -r _; }
        exit "${PIPESTATUS[0]}"
    )
    ignored[jobs]=$?
done
[[ ${killed[1]} == 141 && ${killed[2]} == 141 ]] || fail "reader stops: exit ${killed[1]} and ${killed[2]}"
[[ ${ignored[1]} == 2 && ${ignored[2]} == 2 ]] || fail "reader stops, SIGPIPE ignored: exit ${ignored[1]} and ${ignored[2]}"
[[ "$(tail -n 1 "$work/pipe-2.err")" == "quorvane-cli: write error: Broken pipe" ]] ||
    fail "reader stops, SIGPIPE ignored: [$(tail -n 1 "$work/pipe-2.err")]"
cmp -s "$work/pipe-1.err" "$work/pipe-2.err" || fail "reader stops, SIGPIPE ignored: the diagnostics differ"

"$cli" --help >"$work/help" || fail "--help exit status"
grep '^Usage: quorvane-cli' "$work/help" >/dev/null || fail "--help prints the usage"
grep -e '-h, --help' "$work/help" >/dev/null || fail "--help names -h"
[[ "$("$cli" --version)" == "quorvane-cli ${QUORVANE_VERSION:?}" ]] || fail "--version [$("$cli" --version)]"

# Standard output that cannot be written: the reason, exit 2.
if [[ -w /dev/full ]]; then
    for args in "$work/in.txt" --version --help; do
        "$cli" "$args" >/dev/full 2>"$work/err"
        rc=$?
        [[ $rc == 2 ]] || fail "stdout-full $args: exit $rc expected 2"
        [[ "$(cat "$work/err")" == "quorvane-cli: write error: No space left on device" ]] ||
            fail "stdout-full $args: stderr [$(cat "$work/err")]"
    done
fi

# A read error of the input after it was opened.
if [[ -r /proc/self/mem ]]; then
    expect_error input-read-error "quorvane-cli: /proc/self/mem: Input/output error" /proc/self/mem
fi

# A path with blanks, quotes and shell characters is only a path.
odd="a b'\"; \$(touch ran) \`touch ran\` é.txt"
cd "$work" || exit 1
printf '2*3' >"$odd"
[[ "$("$cli" "$odd" -o "$odd.out")" == "6.00" && -s "$odd.out" ]] || fail "odd path"
[[ ! -e ran ]] || fail "a path was run by a shell"
cd - >/dev/null || exit 1

finish "quorvane-cli"
