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
    if [[ -x $build/app/Brevant ]]; then
      exec "$build/app/Brevant"
    else
      echo "Built the record library and its tools; the editor window is not built yet." >&2
      exit 1
    fi
    ;;
  test)
    install_missing
    configure_and_build -DBREVANT_TESTS=ON
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
    packaging/check.sh "$build"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 64
    ;;
esac
