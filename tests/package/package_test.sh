#!/usr/bin/env bash
# The Debian package: built from the build folder, unpacked into a scratch
# root with dpkg -x (no root rights, no system change), and run from there.
#
#   package_test.sh CPACK BUILD_DIR VERSION SOURCE_DIR
set -uo pipefail

cpack=$1
build=$(cd "$2" && pwd)
version=$3
source_dir=$(cd "$4" && pwd)

failures=0
case_name=
fail() {
  printf 'FAIL %s: %s\n' "$case_name" "$*"
  failures=$((failures + 1))
}
finish() {
  if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "package: all checks passed"
  exit 0
}

scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT

case_name="build"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  fail "cpack failed: $(cat "$scratch/cpack.log")"
  finish
fi
mapfile -t debs < <(find "$scratch/out" -maxdepth 1 -name '*.deb')
if [[ ${#debs[@]} -ne 1 ]]; then
  fail "expected one .deb, found ${#debs[@]}: $(cat "$scratch/cpack.log")"
  finish
fi
deb=${debs[0]}

case_name="control fields"
arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == "tavrel_${version}-1_${arch}.deb" ]] || fail "file name $(basename "$deb")"
# field | text it must hold
while IFS='|' read -r field want; do
  value=$(dpkg-deb -f "$deb" "$field")
  [[ $value == *"$want"* ]] || fail "$field is '$value', expected it to hold '$want'"
done <<EOF
Package|tavrel
Version|${version}-1
Architecture|${arch}
Section|hamradio
Depends|libqt6widgets6
Depends|libqt6charts6
Depends|libqt6printsupport6
Depends|libqt6core6
Depends|libc6
Depends|qt6-qpa-plugins
EOF
[[ $(dpkg-deb -f "$deb" Package) == tavrel ]] || fail "package name is not exactly tavrel"

case_name="contents"
root=$scratch/root
dpkg -x "$deb" "$root" || {
  fail "dpkg -x failed"
  finish
}
libdir=$(cd "$root" && find usr -name libPellor_sunmoon.so -printf '%h\n')
[[ $libdir == usr/lib/tavrel || $libdir == usr/lib/*/tavrel ]] || fail "library in '$libdir'"
# path | what it must be
while IFS='|' read -r path kind; do
  target=$root/$path
  case $kind in
    program) [[ -f $target && -x $target ]] || fail "$path is not an executable file" ;;
    file) [[ -f $target ]] || fail "$path is missing" ;;
    *) cmp -s "$target" "$source_dir/$kind" || fail "$path is not $kind" ;;
  esac
done <<EOF
usr/bin/Tavrel|program
usr/bin/tavrel-cli|program
usr/bin/tavrel|program
$libdir/libPellor_sunmoon.so|file
usr/share/tavrel/DravikDXCC.ini|data/DravikDXCC.ini
usr/share/applications/tavrel.desktop|data/tavrel.desktop
usr/share/icons/hicolor/scalable/apps/tavrel.svg|data/icons/tavrel.svg
usr/bin/tavrel|scripts/tavrel
EOF
# Every page and picture of the help, as in the source tree.
while IFS= read -r -d '' page; do
  rel=${page#"$source_dir/data/"}
  cmp -s "$page" "$root/usr/share/tavrel/$rel" || fail "usr/share/tavrel/$rel is missing or differs"
done < <(find "$source_dir/data/help" -type f -print0)
[[ -f $root/usr/share/tavrel/help/index.html ]] || fail "the help has no contents page"
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z $outside ]] || fail "files outside /usr: $outside"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/tavrel.desktop" >"$scratch/dfv.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$scratch/dfv.log")"
fi

case_name="run paths"
# Each program loads the library of its own tree, never one of the build.
for program in tavrel-cli Tavrel; do
  runpath=$(readelf -d "$root/usr/bin/$program" | grep -E 'RUNPATH|RPATH')
  # shellcheck disable=SC2016 # $ORIGIN is the linker's, not the shell's
  [[ $runpath == *'$ORIGIN'* && $runpath != *"$build"* ]] || fail "$program run path: $runpath"
  resolved=$(env -u LD_LIBRARY_PATH ldd "$root/usr/bin/$program" | awk '/libPellor_sunmoon/ {print $3}')
  resolved=$(readlink -f "$resolved")
  [[ $resolved == "$(readlink -f "$root/$libdir/libPellor_sunmoon.so")" ]] ||
    fail "$program finds the library at '$resolved'"
done

case_name="tavrel-cli --version"
cli=$root/usr/bin/tavrel-cli
mkdir -p "$scratch/cwd"
got=$(cd "$scratch/cwd" && env -u LD_LIBRARY_PATH "$cli" --version 2>&1)
[[ $? -eq 0 && $got == *"$version"* ]] || fail "printed '$got'"

case_name="report from the unpacked program"
# The same report from the package and from the build folder.
# shellcheck disable=SC2054 # the commas belong to the option values
args=(day --date 2024-03-15 --home 52.1,5.1,10 --dx -33.9,18.4,20 --band 1.3)
(cd "$scratch/cwd" && env -u LD_LIBRARY_PATH "$cli" "${args[@]}") >"$scratch/packaged.txt" 2>&1 ||
  fail "status $?: $(cat "$scratch/packaged.txt")"
(cd "$scratch/cwd" && "$build/bin/tavrel-cli" "${args[@]}") >"$scratch/built.txt" 2>&1
grep -q "Home Station Minimum Libration" "$scratch/packaged.txt" ||
  fail "no result boxes: $(cat "$scratch/packaged.txt")"
cmp -s "$scratch/packaged.txt" "$scratch/built.txt" || fail "differs from the build folder's report"

case_name="installed launcher without a display"
home=$scratch/home
mkdir -p "$home"
env -i PATH="$PATH" HOME="$home" bash "$root/usr/bin/tavrel" >"$scratch/launch.txt" 2>&1 ||
  fail "status $?: $(cat "$scratch/launch.txt")"
grep -q "Tavrel is a windowed program" "$scratch/launch.txt" || fail "no explanation: $(cat "$scratch/launch.txt")"
grep -q "Libration Rate / Signal Width" "$scratch/launch.txt" || fail "no report: $(cat "$scratch/launch.txt")"
cmp -s "$root/usr/share/tavrel/DravikDXCC.ini" "$home/.local/share/tavrel/DravikDXCC.ini" ||
  fail "station list not copied into the data folder"
cmp -s "$root/usr/share/tavrel/help/index.html" "$home/.local/share/tavrel/help/index.html" ||
  fail "help not copied into the data folder"

finish
