#!/usr/bin/env bash
# Builds the benchmarks and runs them all, then prints each ratio against its floor.
#   bench/run.sh                 (build dir: ./build-bench, or $BREVANT_BENCH_BUILD)
# BREVANT_BENCH_FILES sets the folder size for verify (default 100000),
# BREVANT_BENCH_DIR where that folder is made (default: /dev/shm, else the temp folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BREVANT_BENCH_BUILD:-$root/build-bench}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cmake -S "$root" -B "$build" -G Ninja -DBREVANT_BENCH=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target bench_record bench_verify
have_start=0
if cmake --build "$build" --target help | grep -q '^bench_start:'; then
  cmake --build "$build" -j2 --target bench_start
  have_start=1
fi

run() {   # name binary
  echo "== $1"
  "$2" --benchmark_counters_tabular=true --benchmark_out="$out/$1.json" --benchmark_out_format=json
}
run record "$build/bench/bench_record"
run verify "$build/bench/bench_verify"
if ((have_start)); then
  run start "$build/bench/bench_start"
else
  echo "== start: skipped (the editor app/Brevant is not built)"
fi

echo
echo "== ratios against the floors measured in the same run"
for f in "$out"/*.json; do
  sed -n 's/^ *"\(name\|ratio\|cfile_loop_ratio\|time_ratio\|memory_ratio\|items_per_second\)": "\{0,1\}\([^",]*\)"\{0,1\},\{0,1\}$/\1 \2/p' "$f"
done | awk '
  $1 == "name" { name = $2; next }
  $1 == "items_per_second" { printf "%-52s %14.0f per second\n", name, $2; next }
  $1 == "ratio" { printf "%-52s verify / floor  = %.3f (goal <= 1.25)\n", name, $2; next }
  $1 == "cfile_loop_ratio" { printf "%-52s CFile loop / floor = %.3f (the file layer alone)\n", name, $2; next }
  $1 == "time_ratio" { printf "%-52s time / floor    = %.3f (goal <= 1.2)\n", name, $2; next }
  $1 == "memory_ratio" { printf "%-52s memory / floor  = %.3f (goal <= 1.2)\n", name, $2; next }'
