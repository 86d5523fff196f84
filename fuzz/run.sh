#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for a bounded time from its seed corpus.
#   fuzz/run.sh BUILD_FOLDER SECONDS [TARGET...]    (all targets by default)
# The seeds in fuzz/corpus/<target>/ are copied to a scratch folder first, so
# the entries a run adds never touch the repository; crash inputs are kept in
# BUILD_FOLDER/findings/<target>/. Any crash, sanitizer report or violated
# property fails the script, after every target has had its turn.
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:?build folder of the fuzz targets}
seconds=${2:-60}
targets=(number_readers pile_reader formatters ranges filter_bounds text_columns delete_last run_record exchange_sort)
[[ $# -gt 2 ]] && targets=("${@:3}")

scratch=$(mktemp -d "${TMPDIR:-/tmp}/pilecalc-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
summary=()
for t in "${targets[@]}"; do
  corpus="$scratch/$t"
  findings="$bin/findings/$t"
  mkdir -p "$corpus" "$findings"
  cp fuzz/corpus/"$t"/* "$corpus"/
  log="$bin/$t.log"
  echo "== fuzz_$t: ${seconds} s"
  "$bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -1)
  if [[ $rc -ne 0 ]]; then
    failed+=("$t")
    summary+=("fuzz_$t: FAILED (exit $rc) after ${runs:-?} executions; see $log and $findings/")
    grep -E 'ERROR|property violated|runtime error|SUMMARY|Test unit written' "$log" | head -20
  else
    summary+=("fuzz_$t: ${runs:-?} executions; ${done_line:-no final line}")
  fi
done

echo
echo "Fuzzing summary (${seconds} s per target):"
printf '  %s\n' "${summary[@]}"
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Findings in: ${failed[*]}" >&2
  exit 1
fi
