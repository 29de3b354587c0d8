#!/usr/bin/env bash
# ./dev.sh run   installs what is missing, builds, starts the editor
# ./dev.sh test  installs what is missing, builds, runs the whole test suite
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
build=${BREVANT_BUILD_DIR:-$here/build}
jobs=$(nproc)

install_missing() {
  local missing=()
  while read -r pkg; do
    [[ -z $pkg || $pkg == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done < scripts/debian-packages.txt
  ((${#missing[@]} == 0)) && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  ((EUID == 0)) || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$build" -j "$jobs"
}

case "${1:-}" in
  run)
    install_missing
    configure_and_build -DBREVANT_TESTS=OFF
    exec "$build/app/Brevant"
    ;;
  test)
    install_missing
    configure_and_build -DBREVANT_TESTS=ON
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
    packaging/check.sh "$build"
    # The whole suite again under ASan and UBSan: the first error ends its test. The
    # suppressions name only leaks inside system libraries (Qt's font setup).
    export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
    export LSAN_OPTIONS=suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    fuzz_build=$build-fuzz
    build=$build-sanitize
    configure_and_build -DBREVANT_TESTS=ON -DBREVANT_SANITIZE=ON
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
    # A short pass of every fuzz target (clang and libFuzzer) from its seed corpus.
    BREVANT_FUZZ_BUILD_DIR=$fuzz_build BREVANT_JOBS=$jobs fuzz/run.sh "${BREVANT_FUZZ_SECONDS:-20}"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 64
    ;;
esac
