#!/usr/bin/env bash
# The text front end as a script uses it: its output, its exit statuses and
# its messages. Usage: dorvex_table_test.sh PATH_TO_DORVEX_TABLE
set -u
table=$1
failures=0
passes=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

check() {  # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAILED: $name"
    echo "  stdout: $(head -c 600 "$out")"
    echo "  stderr: $(head -c 600 "$err")"
  fi
}

run() {  # run ARGS...: leaves the output in $out and $err, the status in $status
  "$table" "$@" >"$out" 2>"$err"
  status=$?
}

example='12.00    6.78356353     93.07148819      2.77140472     0.81402762
11.00    6.22295698     92.44732044      3.02107183     0.74675484
10.00    3.87056558     87.85707179      4.85717129     0.46446787
 9.00    1.44796518     67.54065583     12.98373767     0.17375582
 8.00    0.45528135      0.00000000     40.00000000     0.05463376
 7.00    0.03795540      0.00000000     40.00000000     0.00455465
 6.00    0.00140725      0.00000000     40.00000000     0.00016887'

LC_ALL=C.UTF-8 run 4.7E-9 0.001 0.001 6 12 1
check "example table" test "$status" = 0 -a "$(cat "$out")" = "$example" -a ! -s "$err"
check "every line ends with a newline" test "$(tail -c 1 "$out" | od -An -c | tr -d ' ')" = '\n'

run 4.7E-9 0.001 0.001 7 8 0.1
check "8 down to 7 by 0.1 gives 11 lines" test "$(wc -l <"$out")" = 11
run 4.7E-9 0.001 0.001 6 12 0.1
check "12 down to 6 by 0.1 gives 61 lines" test "$(wc -l <"$out")" = 61
run 4.7E-9 0.001 0.001 12 6 -1
check "a negative step walks upward" test "$(cat "$out")" = "$(echo "$example" | tac)"

LC_ALL=de_DE.UTF-8 run 4,7E-9 0,001 0,001 6 12 1
check "decimal comma locale" test "$status" = 0 -a "$(cat "$out")" = "$(echo "$example" | tr . ,)"
LC_ALL= LC_NUMERIC=de_DE.UTF-8 LANG=C.UTF-8 run 4,7E-9 0,001 0,001 6 12 1
check "LC_NUMERIC alone decides the separator" test "$status" = 0 -a "$(cat "$out")" = "$(echo "$example" | tr . ,)"
LC_ALL=de_DE.UTF-8 run 4.7E-9 0.001 0.001 6 12 1
check "dot input in a comma locale is a conversion error" \
  test "$status" = 1 -a ! -s "$out" -a "$(grep -c 'conversion error in TOTAL_CARBONATE (argument 2)' "$err")" = 1

failing() {  # failing NAME STATUS MESSAGE ARGS...
  local name=$1 expected=$2 message=$3
  shift 3
  run "$@"
  check "$name" test "$status" = "$expected" -a "$(grep -c -- "$message" "$err")" = 1
}
failing "negative Ksp" 1 "invalid argument" -4.7E-9 0.001 0.001 6 12 1
failing "12x as the highest pH" 1 "conversion error in PH_MAX (argument 5)" 4.7E-9 0.001 0.001 6 12x 1
failing "a Ksp that is not a number" 1 "conversion error in KSP (argument 1)" abc 0.001 0.001 6 12 1
failing "pH 400" 1 "division by zero" 4.7E-9 0.001 0.001 400 400 1
failing "pH -400" 1 "overflow" 4.7E-9 0.001 0.001 -400 -400 1
failing "zero step" 2 "PH_STEP is zero" 4.7E-9 0.001 0.001 6 12 0
check "zero step writes no row" test ! -s "$out"
failing "too many rows" 2 "more than 1000000 rows" 4.7E-9 0.001 0.001 6 12 0.000001
failing "five arguments" 2 "usage:" 4.7E-9 0.001 0.001 6 12
failing "an empty argument" 2 "argument 3 (TOTAL_CALCIUM) is empty" 4.7E-9 0.001 "" 6 12 1

run -4.7E-9 0.002 0.001 6 12 1
check "rows before a failure stay written" test "$status" = 1 -a "$(wc -l <"$out")" = 4
run abc 0.001 0.001 12 6 1
check "a bad Ksp with an empty range succeeds silently" test "$status" = 0 -a ! -s "$out" -a ! -s "$err"
run --help
check "--help" test "$status" = 0 -a "$(grep -c '^usage: dorvex-table' "$out")" = 1 -a ! -s "$err"

run --report 4.7E-9 0.001 0.001 6 12 1
pad39=$(printf '%39s' '')
pad13=$(printf '%13s' '')
check "report: 18 lines" test "$status" = 0 -a "$(wc -l <"$out")" = 18
check "report: three empty lines first" test "$(head -n 3 "$out" | tr -d '\n')" = ""
check "report: Ksp as typed at column 40" test "$(sed -n 4p "$out")" = "${pad39}溶解度積Ksp(mol/L)2 = 4.7E-9"
check "report: derived calcium at column 40" test "$(sed -n 8p "$out")" = "${pad39}全Ca濃度(mg-Ca/L)   = 40.00"
check "report: first row" test "$(sed -n 12p "$out")" = \
  "${pad13}12.00   ****6.78356353        ***93.07148819        ****2.77140472        ****0.81402762"
check "report: last row" test "$(sed -n 18p "$out")" = \
  "${pad13}*6.00   ****0.00140725        ****0.00000000        ***40.00000000        ****0.00016887"
run --report -4.7E-9 0.002 0.001 6 12 1
check "report: a failed run keeps its rows" test "$status" = 1 -a "$(wc -l <"$out")" = 15

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
