# Shared by the quorvane-cli test scripts: the program (QUORVANE_CLI), a work
# folder removed at exit, and failure counting.
cli=$(realpath "${QUORVANE_CLI:?QUORVANE_CLI must name quorvane-cli}")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Ends the script: 0 when every check passed.
finish() {
    if ((failures)); then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all $1 checks passed"
}
