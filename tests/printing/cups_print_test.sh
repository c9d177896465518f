#!/usr/bin/env bash
# Whole runs through the real system-printer sink into a CUPS queue of a
# private scheduler, checked against the text report of the same inputs.
#
# usage: cups_print_test.sh CASE PRINT_RUN_DRIVER DORVEX_TABLE
#
# The scheduler runs from a temporary directory with its own configuration,
# spool and socket, and the clients are pointed at it through the
# environment, so the system's own CUPS is neither used nor changed.
# Everything started here is stopped and removed on exit.
set -Eeuo pipefail

readonly test_case=$1 driver=$2 table=$3
readonly example=(4.7E-9 0.001 0.001 6 12 1)
readonly queue=dorvex-test
readonly print_failure_status=3

work=$(mktemp -d /tmp/dorvex-cups.XXXXXX)
readonly work
cupsd_pid=
driver_pid=

# Stops what this script started and waits for it, so that nothing writes
# into the work directory while it is removed; a failure here must not stop
# the removal.
cleanup() {
  set +e
  local pid
  for pid in $driver_pid $cupsd_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
# Any command that fails unexpectedly ends the test, never silently.
trap 'echo "FAIL ($test_case): line $LINENO: \"$BASH_COMMAND\" failed" >&2' ERR

fail() {
  echo "FAIL ($test_case): $*" >&2
  if [[ -s $work/log/error_log ]]; then
    echo "--- end of the private scheduler's error log:" >&2
    tail -n 20 "$work/log/error_log" >&2
  fi
  exit 1
}

# Runs a command and shows what it said only when it failed.
quietly() {
  "$@" >"$work/command.out" 2>&1 || fail "'$*' failed: $(cat "$work/command.out")"
}

# Every client below, libcups inside the driver included, talks to the
# private scheduler only: the socket, client.conf and lpoptions come from the
# work directory, and no default printer is inherited from the caller.
export CUPS_SERVER=$work/cupsd.sock
export CUPS_SERVERROOT=$work/etc
export HOME=$work/home
export XDG_RUNTIME_DIR=$work/runtime
export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8
unset PRINTER LPDEST
mkdir -p "$work"/{etc,spool,tmp,cache,state,log,home} && mkdir -m 700 "$work/runtime"

start_scheduler() {
  local cupsd
  cupsd=$(PATH=$PATH:/usr/sbin:/sbin command -v cupsd) ||
    fail "cupsd is not installed (Debian package cups-daemon)"
  cat >"$work/etc/cups-files.conf" <<EOF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
Printcap $work/printcap
SystemGroup root
FileDevice Yes
EOF
  cat >"$work/etc/cupsd.conf" <<EOF
Listen $CUPS_SERVER
Browsing No
WebInterface No
DefaultAuthType None
LogLevel info
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobsPerPrinter ${1:-0}
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  # A raw queue takes the document as it comes, so the job file is exactly
  # what the printer was sent.
  printf 'application/octet-stream\n' >"$work/etc/raw.types"
  printf 'application/octet-stream application/vnd.cups-raw 0 -\n' >"$work/etc/raw.convs"

  "$cupsd" -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" \
    >"$work/log/cupsd.out" 2>&1 &
  cupsd_pid=$!
  for _ in $(seq 100); do
    # lpstat -r exits with 0 either way; only its words tell.
    [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]] && return 0
    kill -0 "$cupsd_pid" 2>/dev/null ||
      fail "the private cupsd could not start: $(cat "$work/log/cupsd.out")"
    sleep 0.1
  done
  fail "the private cupsd did not answer within 10 seconds"
}

add_queue() {
  quietly lpadmin -p "$queue" -E -v file:/dev/null -m raw
}

make_default() {
  quietly lpadmin -d "$queue"
}

job_files() {
  find "$work/spool" -name 'd*' -type f | sort
}

expect_job_count() {
  local count
  count=$(job_files | wc -l)
  ((count == $1)) || fail "expected $1 print job(s), CUPS received $count"
}

# Waits until CUPS has finished every job it took, and checks that it took
# exactly the expected number and printed them all.
expect_completed_jobs() {
  for _ in $(seq 100); do
    [[ -z $(lpstat -W not-completed -o) ]] && break
    sleep 0.1
  done
  [[ -z $(lpstat -W not-completed -o) ]] || fail "jobs left unfinished: $(lpstat -W not-completed -o)"
  local completed
  completed=$(lpstat -W completed -o | wc -l)
  ((completed == $1)) || fail "expected $1 completed job(s), CUPS lists $completed"
  expect_job_count "$1"
}

# What pdftotext cannot keep: the exact runs of blank space (an ideographic
# space U+3000 comes back as blank space too), empty lines and page breaks.
normalise() {
  LC_ALL=C sed -e 's/\xe3\x80\x80/ /g' -e 's/\f//g' -e 's/[[:space:]][[:space:]]*/ /g' \
    -e 's/^ //' -e 's/ $//' | { LC_ALL=C grep -v '^$' || true; }
}

# The job CUPS received must read as the text report of the same inputs,
# every field and every Japanese text in order, with every word on the paper.
expect_report_job() {
  local job=$1
  shift
  "$table" --report "$@" >"$work/expected.raw" || fail "dorvex-table --report $* failed"
  normalise <"$work/expected.raw" >"$work/expected.txt"
  [[ -s $work/expected.txt ]] || fail "dorvex-table wrote no report for $*"
  pdftotext -layout -enc UTF-8 "$job" "$work/printed.raw" || fail "the job file is no readable PDF"
  normalise <"$work/printed.raw" >"$work/printed.txt"
  diff -u "$work/expected.txt" "$work/printed.txt" >&2 ||
    fail "the printed job does not read as the report of $*"

  pdftotext -bbox "$job" "$work/words.html"
  local outside
  outside=$(awk -F'"' '
    /<page / { width = $2; height = $4 }
    /<word / && ($2 < 0 || $4 < 0 || $6 > width || $8 > height) { print }
  ' "$work/words.html")
  [[ -z $outside ]] || fail "text runs off the paper: $outside"
  pdffonts "$job" | grep -q IPAGothic ||
    fail "the report is not in the fixed-pitch Japanese font IPAGothic: $(pdffonts "$job")"
}

# Runs the driver and keeps its status, output and errors.
run_driver() {
  local status=0
  "$driver" "$@" >"$work/driver.out" 2>"$work/driver.err" || status=$?
  echo "$status"
}

# The run must stop on the printer failure with the message, keep its lines
# in the list, and leave CUPS with no job of its own.
expect_print_error() {
  local status=$1 message=$2 jobs_before=${3:-0}
  ((status == print_failure_status)) ||
    fail "expected the printer failure status $print_failure_status, got $status: $(cat "$work/driver.out" "$work/driver.err")"
  grep -qF "run 1: print error: $message" "$work/driver.out" ||
    fail "expected the message '$message', got: $(cat "$work/driver.out")"
  grep -qx 'run 1: 7 list lines' "$work/driver.out" ||
    fail "the list lost the run's lines: $(cat "$work/driver.out")"
  expect_job_count "$jobs_before"
}

# Two runs in one driver: the first meets a queue that cannot take the job,
# then the queue is put right and the second run's job must hold exactly one
# report, nothing left over from the first.
expect_failure_then_recovery() {
  local message=$1 repair=$2
  mkfifo "$work/proceed"
  "$driver" --print --runs 2 "${example[@]}" <"$work/proceed" >"$work/driver.out" \
    2>"$work/driver.err" &
  driver_pid=$!
  exec 3>"$work/proceed"
  for _ in $(seq 300); do
    grep -q '^run 1: .* list lines$' "$work/driver.out" && break
    kill -0 "$driver_pid" 2>/dev/null || break
    sleep 0.1
  done
  grep -qF "run 1: print error: $message" "$work/driver.out" ||
    fail "expected the message '$message', got: $(cat "$work/driver.out" "$work/driver.err")"
  expect_job_count 0
  quietly "$repair" "$queue"
  echo >&3
  exec 3>&-
  local status=0
  wait "$driver_pid" || status=$?
  driver_pid=
  ((status == print_failure_status)) || fail "expected status $print_failure_status, got $status"
  grep -qx 'run 2: completed' "$work/driver.out" ||
    fail "the run after the repair did not complete: $(cat "$work/driver.out" "$work/driver.err")"
  expect_completed_jobs 1
  expect_report_job "$(job_files)" "${example[@]}"
}

case $test_case in
  report)
    start_scheduler
    add_queue
    make_default
    status=$(run_driver --print "${example[@]}")
    ((status == 0)) || fail "the run failed with status $status: $(cat "$work/driver.out" "$work/driver.err")"
    expect_completed_jobs 1
    expect_report_job "$(job_files)" "${example[@]}"
    ;;
  multi_page)
    # 141 rows cannot fit on one page; a row lost at a page end shows in the text.
    start_scheduler
    add_queue
    make_default
    rows=(4.7E-9 0.001 0.001 0 14 0.1)
    status=$(run_driver --print "${rows[@]}")
    ((status == 0)) || fail "the run failed with status $status: $(cat "$work/driver.out" "$work/driver.err")"
    expect_completed_jobs 1
    expect_report_job "$(job_files)" "${rows[@]}"
    pages=$(pdfinfo "$(job_files)" | awk '/^Pages:/ { print $2 }')
    ((pages >= 2)) || fail "expected the report on several pages, got $pages"
    ;;
  printing_off)
    start_scheduler
    add_queue
    make_default
    status=$(run_driver --no-print "${example[@]}")
    ((status == 0)) || fail "the run failed with status $status: $(cat "$work/driver.out" "$work/driver.err")"
    grep -qx 'run 1: 7 list lines' "$work/driver.out" || fail "unexpected run: $(cat "$work/driver.out")"
    expect_completed_jobs 0
    ;;
  rejecting_queue)
    start_scheduler
    add_queue
    make_default
    quietly cupsreject "$queue"
    expect_failure_then_recovery \
      "プリンター「$queue」が印刷ジョブを受け付けていないため、印刷できません。" cupsaccept
    ;;
  disabled_queue)
    start_scheduler
    add_queue
    make_default
    quietly cupsdisable "$queue"
    expect_failure_then_recovery "プリンター「$queue」が停止しているため、印刷できません。" cupsenable
    ;;
  full_queue)
    # The queue looks ready but turns the job away when it arrives: one job is
    # allowed per printer and one is already waiting.
    start_scheduler 1
    add_queue
    make_default
    echo "waiting job" >"$work/waiting.txt"
    quietly lp -d "$queue" -H indefinite "$work/waiting.txt"
    status=$(run_driver --print "${example[@]}")
    expect_print_error "$status" "プリンター「$queue」が印刷ジョブを受け付けませんでした" 1
    ;;
  no_temporary_directory)
    # Qt spools the document in a temporary file before handing it to CUPS;
    # without one the painter cannot start on the printer.
    start_scheduler
    add_queue
    make_default
    status=$(TMPDIR=$work/missing run_driver --print "${example[@]}")
    expect_print_error "$status" "プリンター「$queue」で印刷を始められませんでした。"
    ;;
  no_printer)
    start_scheduler
    status=$(run_driver --print "${example[@]}")
    expect_print_error "$status" "プリンターがインストールされていないため、印刷できません。"
    ;;
  no_default_printer)
    start_scheduler
    add_queue
    status=$(run_driver --print "${example[@]}")
    expect_print_error "$status" "既定のプリンターが設定されていないため、印刷できません。"
    ;;
  no_scheduler)
    # Nothing listens on the socket the clients are pointed at.
    status=$(run_driver --print "${example[@]}")
    expect_print_error "$status" "印刷サービス (CUPS) に接続できないため、印刷できません。"
    ;;
  *)
    fail "unknown case '$test_case'"
    ;;
esac
echo "PASS ($test_case)"
