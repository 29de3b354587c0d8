#!/usr/bin/env bash
# fuzz/run.sh SECONDS [TARGET...]: builds the libFuzzer targets with clang, ASan and UBSan,
# and fuzzes each (all by default) for SECONDS from its seed corpus in fuzz/corpus/.
# What the fuzzer adds stays in the build folder; an input that breaks a target is kept
# there as crash-* and the script fails, naming it. Add it to fuzz/corpus/ once fixed.
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET...]}
shift
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BREVANT_FUZZ_BUILD_DIR:-$here/build-fuzz}
cxx=${BREVANT_FUZZ_CXX:-clang++-14}
jobs=${BREVANT_JOBS:-$(nproc)}

targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(sed -n 's/^ *brevant_fuzz_target(\([a-z_]*\) .*/\1/p' "$here/fuzz/Targets.cmake")
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
  -DBREVANT_FUZZ=ON -DBREVANT_SANITIZE=ON -DBREVANT_GUI=OFF -DBREVANT_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
failed=()
for name in "${targets[@]}"; do
  work=$build/fuzz-work/$name
  log=$build/fuzz-work/$name.log
  mkdir -p "$work"
  echo "fuzzing $name for ${seconds}s"
  if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$work/" "$work" "$here/fuzz/corpus/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    echo "  $name: ${runs:-?} executions in ${took:-?} s, $(find "$work" -maxdepth 1 -type f ! -name '*-*' | wc -l) inputs in the work corpus, nothing found"
  else
    echo "  $name: FAILED, see $log" >&2
    tail -n 40 "$log" >&2
    failed+=("$name")
  fi
done
if ((${#failed[@]} > 0)); then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
