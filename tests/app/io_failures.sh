#!/usr/bin/env bash
# qismaru-calc as a user runs it, where its output cannot be written or its
# input cannot be read: each must end with status 4 and one line on stderr,
# never with 0. Usage: io_failures.sh PATH-TO-QISMARU-CALC
set -uo pipefail
calc=$1
cases=$(mktemp)
trap 'rm -f "$cases" "$cases.err" "$cases.fifo"' EXIT
for _ in $(seq 20000); do echo '{"h":1,"m":1,"f":1}'; done >"$cases"

failures=0
expect_four() {
    local what=$1 status=$2
    local lines
    lines=$(wc -l <"$cases.err")
    if [[ $status -ne 4 || $lines -ne 1 ]] || ! grep -q '^qismaru-calc: cannot ' "$cases.err"; then
        echo "FAIL: $what: status $status, stderr:" && cat "$cases.err"
        failures=$((failures + 1))
    fi
}

"$calc" h=1 m=1 f=1 >/dev/full 2>"$cases.err";             expect_four "table to a full disk" $?
"$calc" --json h=1 m=1 f=1 >/dev/full 2>"$cases.err";      expect_four "--json to a full disk" $?
"$calc" --batch <"$cases" >/dev/full 2>"$cases.err";       expect_four "--batch to a full disk" $?
"$calc" --version >/dev/full 2>"$cases.err";               expect_four "--version to a full disk" $?
"$calc" --help >/dev/full 2>"$cases.err";                  expect_four "--help to a full disk" $?
"$calc" h=1 m=1 f=1 2>"$cases.err" >&-;                    expect_four "table to a closed output" $?
"$calc" --batch <"$cases" 2>"$cases.err" >&-;              expect_four "--batch to a closed output" $?
"$calc" --batch </ >/dev/null 2>"$cases.err";              expect_four "--batch from a directory" $?
"$calc" --case-file / >/dev/null 2>"$cases.err";           expect_four "--case-file a directory" $?
"$calc" --case-file "$cases.none" >/dev/null 2>"$cases.err"; expect_four "--case-file a missing file" $?
# A FIFO would keep the calculator waiting for a writer: refused unopened.
mkfifo "$cases.fifo"
timeout 20 "$calc" --case-file "$cases.fifo" >/dev/null 2>"$cases.err"; expect_four "--case-file a FIFO" $?
# A reader that leaves early, with SIGPIPE ignored as some shells and services do.
(trap '' PIPE; "$calc" --batch <"$cases" 2>"$cases.err" | head -c 1 >/dev/null; exit "${PIPESTATUS[0]}")
expect_four "--batch into a pipe closed early" $?

echo "$((12 - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
