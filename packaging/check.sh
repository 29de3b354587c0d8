#!/usr/bin/env bash
# Checks what a build installs and the Debian package made from it.
# Usage: packaging/check.sh BUILD_DIR   (after the build; needs desktop-file-utils, appstream,
# shared-mime-info, dpkg-dev and file). Everything happens in a temporary folder.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
app_id=org.brevant.Brevant
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() { echo "packaging check FAILED: $*" >&2; exit 1; }
ok() { echo "packaging check ok: $*"; }
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
# quiet CMD...: runs CMD; any output (a warning too) or a failure fails the check.
quiet() {
  local out
  out=$("$@" 2>&1) || fail "$* exited $?: $out"
  [[ -z $out ]] || fail "$* says: $out"
}

version=$(sed -n 's/^Fixed\.ProductVersion=//p' "$source_dir/res/version.txt")
[[ -n $version ]] || fail "no Fixed.ProductVersion in res/version.txt"
gui=$(cache_value BREVANT_GUI)

# 1. Install into a temporary root, as a distribution would.
root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }
usr=$root/usr
expected=(bin/brevant-cfg share/man/man1/brevant-cfg.1.gz)
if [[ $gui == ON ]]; then
  expected+=(bin/Brevant "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
             "share/mime/packages/$app_id.xml")
  for size in 16 32 48; do expected+=("share/icons/hicolor/${size}x$size/apps/$app_id.png"); done
fi
for file in "${expected[@]}"; do
  [[ -f $usr/$file ]] || fail "not installed: /usr/$file"
done
ok "installed ${#expected[@]} files under $usr"

[[ $("$usr/bin/brevant-cfg" --version) == *" $version" ]] || fail "installed brevant-cfg --version is not $version"
zcat "$usr/share/man/man1/brevant-cfg.1.gz" >"$tmp/man.1"
grep -q '^\.TH "\?BREVANT-CFG"\? "\?1"\? .*'"$version" "$tmp/man.1" \
  || fail "brevant-cfg.1.gz is not the section 1 page of brevant-cfg $version"
grep -q '^brevant-cfg \\- ' "$tmp/man.1" || fail "brevant-cfg.1.gz names another program"
grep -qF -- '\-\-help' "$tmp/man.1" || fail "brevant-cfg.1.gz does not carry the program's help"
{ grep -q '^\.SH COMMANDS' "$tmp/man.1" && grep -q '^\.SS show' "$tmp/man.1"; } \
  || fail "brevant-cfg.1.gz does not carry the subcommands' help"
ok "brevant-cfg --version and its man page"

if [[ $gui == ON ]]; then
  desktop=$usr/share/applications/$app_id.desktop
  metainfo=$usr/share/metainfo/$app_id.metainfo.xml
  quiet desktop-file-validate "$desktop"
  ok "desktop-file-validate $app_id.desktop"
  appstreamcli validate --no-net "$metainfo" >"$tmp/as.log" 2>&1 \
    || { cat "$tmp/as.log"; fail "appstreamcli validate --no-net $app_id.metainfo.xml"; }
  ok "appstreamcli validate --no-net $app_id.metainfo.xml: $(tail -n 1 "$tmp/as.log")"
  # The tree check also follows the launchable to the installed desktop entry.
  appstreamcli validate-tree --no-net "$root" >"$tmp/as.log" 2>&1 \
    || { cat "$tmp/as.log"; fail "appstreamcli validate-tree --no-net"; }
  ok "appstreamcli validate-tree --no-net: $(tail -n 1 "$tmp/as.log")"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
  ok "metainfo release $version"

  for size in 16 32 48; do
    file -b "$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "^PNG image data, $size x $size," \
      || fail "the ${size}x$size icon is not a $size-pixel PNG"
  done
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [[ $icon == "$app_id" ]] || fail "desktop entry names icon '$icon', installed is $app_id"
  ok "hicolor icons 16, 32, 48"

  # The file type: the database compiler accepts it, the globs arrive with their low weight,
  # and the desktop entry offers only types that are defined.
  mkdir "$tmp/share" && cp -r "$usr/share/mime" "$tmp/share/mime"
  quiet env XDG_DATA_DIRS="$tmp/share" update-mime-database "$tmp/share/mime"
  for glob in '*.cfg' '*.sdx'; do
    grep -qxF "10:application/x-orvo-config:$glob" "$tmp/share/mime/globs2" || fail "no weight-10 glob $glob"
  done
  IFS=';' read -r -a mime_types <<<"$(sed -n 's/^MimeType=//p' "$desktop")"
  ((${#mime_types[@]} > 0)) || fail "desktop entry offers no MimeType"
  for type in "${mime_types[@]}"; do
    grep -qxF "$type" "$tmp/share/mime/types" || fail "desktop entry offers $type, which no installed package defines"
  done
  ok "mime package and MimeType=${mime_types[*]}"
fi

# 2. The Debian package: built by CPack, its dependencies found by dpkg-shlibdeps, it holds
# exactly what cmake --install installs, and its programs run from where it is unpacked.
(cd "$build" && cpack -G DEB -B "$tmp/deb") >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack -G DEB"; }
deb=$tmp/deb/brevant_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { ls "$tmp/deb"; fail "no package $(basename "$deb")"; }
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libc6* ]] || fail "Depends not filled in from the linked libraries: '$depends'"
if [[ $gui == ON ]]; then
  [[ $depends == *libqt6widgets6* ]] || fail "Depends lacks the Qt widgets library: '$depends'"
fi
ok "$(basename "$deb"): Depends: $depends"
# apt can install it here (simulated): every dependency it names exists and is satisfiable.
apt-get install -s "$deb" >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log"; fail "apt-get install -s $(basename "$deb")"; }
v=${version//./\\.}
grep -Eq "^Inst brevant (\[[^]]*\] )?\($v |^brevant is already the newest version \($v\)" "$tmp/apt.log" \
  || { cat "$tmp/apt.log"; fail "apt would not install brevant $version"; }
ok "apt-get install -s $(basename "$deb")"

dpkg-deb -x "$deb" "$tmp/unpacked"
(cd "$root" && find . -type f | sort) >"$tmp/installed.txt"
(cd "$tmp/unpacked" && find . -type f | sort) >"$tmp/packaged.txt"
diff -u "$tmp/installed.txt" "$tmp/packaged.txt" || fail "the package and cmake --install hold different files"
ok "package holds the $(wc -l <"$tmp/packaged.txt") installed files"
shopt -s nullglob
for program in "$tmp"/unpacked/usr/bin/*; do
  ! ldd "$program" | grep 'not found' || fail "$(basename "$program") has unresolved libraries"
done
shopt -u nullglob
out=$("$tmp/unpacked/usr/bin/brevant-cfg" --version) || fail "unpacked brevant-cfg --version failed"
[[ $out == *" $version" ]] || fail "unpacked brevant-cfg --version says '$out', not $version"
ok "unpacked brevant-cfg --version: $out"
