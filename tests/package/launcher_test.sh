#!/usr/bin/env bash
# The launcher: the data folder it picks, the files it copies there (and the
# operator's own copies it leaves alone), the folder it starts Tavrel in, and
# what it does when no window can be opened.
#
#   launcher_test.sh LAUNCHER BIN_DIR SETUP_FILE [TAVREL]
#
# BIN_DIR holds the built tavrel-cli; SETUP_FILE is a set-up file the report
# can use; TAVREL, when given, is the built program, started against a display
# that does not exist.
set -uo pipefail

launcher=$(readlink -f "$1")
cli=$(readlink -f "$2/tavrel-cli")
setup_file=$(readlink -f "$3")
real_tavrel=${4:+$(readlink -f "$4")}

failures=0
fail() {
  printf 'FAIL %s: %s\n' "$case_name" "$*"
  failures=$((failures + 1))
}

scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT

# A stand-in for the windowed program: it notes where and how it was started
# and behaves as STUB_MODE says.
bin=$scratch/bin
mkdir -p "$bin"
ln -s "$cli" "$bin/tavrel-cli"
cat >"$bin/Tavrel" <<'EOF'
#!/usr/bin/env bash
printf '%s\n' "$PWD" >"$STUB_LOG"
case ${STUB_MODE:-ok} in
  ok) exit 0 ;;
  other) echo "Segmentation fault in something else" >&2; exit 3 ;;
  qt)
    echo "qt.qpa.xcb: could not connect to display :0" >&2
    echo "This application failed to start because no Qt platform plugin could be initialized." >&2
    exit 134 ;;
esac
EOF
chmod +x "$bin/Tavrel"

# Shipped files of the test, small so that each case is quick to check.
share=$scratch/share
ship() {
  mkdir -p "$share/help/images"
  printf '%s\n' "$1" >"$share/DravikDXCC.ini"
  printf '<html><body>%s</body></html>\n' "$1" >"$share/help/index.html"
  printf 'picture %s\n' "$1" >"$share/help/images/main.png"
}

# Runs the launcher with a clean environment plus the given assignments.
# Output goes to $out, the status to $status; $data is the expected folder.
home=
data=
out=
status=
run() {
  out=$scratch/out.txt
  rm -f "$scratch/stub.log"
  env -i PATH="$PATH" HOME="$home" TAVREL_BIN_DIR="$bin" TAVREL_SHARE_DIR="$share" \
    STUB_LOG="$scratch/stub.log" "$@" bash "$launcher" >"$out" 2>&1
  status=$?
}

fresh() {
  rm -rf -- "${scratch:?}/home" "${scratch:?}/xdg" "${share:?}"
  home=$scratch/home
  mkdir -p "$home"
  data=$scratch/xdg/tavrel
  ship v1
}

started_in() {
  [[ -f $scratch/stub.log ]] || { fail "Tavrel was not started"; return; }
  [[ $(cat "$scratch/stub.log") == "$1" ]] ||
    fail "Tavrel started in $(cat "$scratch/stub.log"), expected $1"
}

same() { cmp -s "$1" "$2" || fail "$1 differs from $2"; }

# The explanation is folded to the terminal width; its words are checked.
said() { tr -s ' \n' '  ' <"$out" | grep -qF -- "$1"; }

# --- Where the data folder is --------------------------------------------
# name | environment | folder expected (relative to the scratch folder)
while IFS='|' read -r case_name environment expected; do
  fresh
  # shellcheck disable=SC2086 # the assignments are words on purpose
  run DISPLAY=:0 $environment
  [[ $status -eq 0 ]] || fail "status $status: $(cat "$out")"
  started_in "$scratch/$expected"
  same "$share/DravikDXCC.ini" "$scratch/$expected/DravikDXCC.ini"
done <<EOF
XDG_DATA_HOME given|XDG_DATA_HOME=$scratch/xdg|xdg/tavrel
XDG_DATA_HOME unset|HOME=$scratch/home|home/.local/share/tavrel
XDG_DATA_HOME empty|XDG_DATA_HOME=|home/.local/share/tavrel
relative XDG_DATA_HOME is ignored|XDG_DATA_HOME=relative/dir|home/.local/share/tavrel
EOF

case_name="data folder cannot be made"
fresh
mkdir -p "$scratch/xdg"
: >"$scratch/xdg/blocker"
run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg/blocker"
[[ $status -eq 1 ]] || fail "status $status, expected 1"
grep -q "cannot make the data folder $scratch/xdg/blocker/tavrel" "$out" || fail "no clear message: $(cat "$out")"
[[ ! -f $scratch/stub.log ]] || fail "Tavrel was started without its folder"

# --- What is copied, and what is left alone ------------------------------
# name | file the operator has before the first run ("-" for none) | its text
#      | file expected afterwards | its text ("shipped" for the shipped copy)
while IFS='|' read -r case_name before before_text after after_text; do
  fresh
  mkdir -p "$data/help"
  [[ $before == - ]] || printf '%s\n' "$before_text" >"$data/$before"
  run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg"
  [[ $status -eq 0 ]] || fail "status $status: $(cat "$out")"
  started_in "$data"
  if [[ $after_text == shipped ]]; then
    same "$share/$after" "$data/$after"
  else
    [[ $(cat "$data/$after") == "$after_text" ]] || fail "$after now reads $(cat "$data/$after")"
  fi
  same "$share/help/images/main.png" "$data/help/images/main.png"
  # No second copy beside the operator's under another case of the name.
  n=$(find "$data" -maxdepth 1 -iname DravikDXCC.ini | wc -l)
  [[ $n -eq 1 ]] || fail "$n station lists in the data folder"
done <<'EOF'
fresh folder gets the list|-||DravikDXCC.ini|shipped
fresh folder gets the help|-||help/index.html|shipped
operator's own list is kept|DravikDXCC.ini|my own stations|DravikDXCC.ini|my own stations
own list under another case is kept|dravikdxcc.ini|mine in lower case|dravikdxcc.ini|mine in lower case
operator's own help page is kept|help/index.html|my notes|help/index.html|my notes
EOF

# A later version of the shipped files: a copy still as shipped is brought up
# to date, one the operator changed is not, and a deleted one comes back.
case_name="newer shipped files"
fresh
run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg"
printf 'my notes\n' >"$data/help/index.html"
rm "$data/help/images/main.png"
ship v2
run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg"
[[ $status -eq 0 ]] || fail "status $status: $(cat "$out")"
same "$share/DravikDXCC.ini" "$data/DravikDXCC.ini"
same "$share/help/images/main.png" "$data/help/images/main.png"
[[ $(cat "$data/help/index.html") == "my notes" ]] || fail "the operator's help page was replaced"
printf 'stations added by the operator\n' >>"$data/DravikDXCC.ini"
cp "$data/DravikDXCC.ini" "$scratch/kept.ini"
ship v3
run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg"
same "$scratch/kept.ini" "$data/DravikDXCC.ini"

# A copy the operator made by hand, still as shipped, counts as shipped.
case_name="hand-made copy as shipped follows a newer version"
fresh
mkdir -p "$data"
cp "$share/DravikDXCC.ini" "$data/DravikDXCC.ini"
run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg"
ship v2
run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg"
same "$share/DravikDXCC.ini" "$data/DravikDXCC.ini"

case_name="read-only shipped files give writable copies"
fresh
chmod 0444 "$share/DravikDXCC.ini"
run DISPLAY=:0 XDG_DATA_HOME="$scratch/xdg"
mode=$(stat -c %a "$data/DravikDXCC.ini")
[[ $((8#$mode & 8#200)) -ne 0 ]] || fail "copy has mode $mode; the program could not save into it"
chmod 0644 "$share/DravikDXCC.ini"

# --- With and without a display ------------------------------------------
# name | environment | how the program behaves | expected: window (started,
#      status 0), report (explanation and day report, status 0), or a status
while IFS='|' read -r case_name environment mode expected; do
  fresh
  # shellcheck disable=SC2086
  run XDG_DATA_HOME="$scratch/xdg" STUB_MODE="$mode" $environment
  case $expected in
    window)
      [[ $status -eq 0 ]] || fail "status $status: $(cat "$out")"
      started_in "$data"
      ! said "windowed program" || fail "explained a missing display: $(cat "$out")"
      ;;
    report)
      [[ $status -eq 0 ]] || fail "status $status: $(cat "$out")"
      said "Tavrel is a windowed program" || fail "no explanation: $(cat "$out")"
      said "files live in $data." || fail "the data folder is not named: $(cat "$out")"
      grep -q "Libration Rate / Signal Width" "$out" || fail "no day report: $(cat "$out")"
      grep -q "Home Station Minimum Libration" "$out" || fail "day report without its boxes: $(cat "$out")"
      [[ -f $data/DravikDXCC.ini ]] || fail "shipped list not copied"
      ;;
    *)
      [[ $status -eq $expected ]] || fail "status $status, expected $expected: $(cat "$out")"
      ! said "windowed program" || fail "blamed the display: $(cat "$out")"
      ;;
  esac
done <<'EOF'
no display at all||ok|report
X11 display|DISPLAY=:0|ok|window
Wayland display only|WAYLAND_DISPLAY=wayland-0|ok|window
offscreen is no display|QT_QPA_PLATFORM=offscreen|ok|report
framebuffer draws without a display|QT_QPA_PLATFORM=linuxfb|ok|window
Qt cannot open the display|DISPLAY=:0|qt|report
other failure is passed on|DISPLAY=:0|other|3
EOF

# The report uses the operator's saved set-up; without one it says so.
case_name="report without a saved set-up"
fresh
run XDG_DATA_HOME="$scratch/xdg"
said "No set-up has been saved" || fail "missing set-up not explained: $(cat "$out")"

case_name="report from the saved set-up"
fresh
mkdir -p "$data"
cp "$setup_file" "$data/Tavrel.DAT"
run XDG_DATA_HOME="$scratch/xdg"
[[ $status -eq 0 ]] || fail "status $status: $(cat "$out")"
! said "No set-up has been saved" || fail "claims no set-up: $(cat "$out")"
# The report ends the output, exactly as tavrel-cli gives it in that folder.
(cd "$data" && "$cli" day) >"$scratch/expected.txt" 2>&1
tail -c "$(wc -c <"$scratch/expected.txt")" "$out" | cmp -s - "$scratch/expected.txt" ||
  fail "report is not the saved set-up's: $(cat "$out")"

# The real program against a display that is not there.
if [[ -n $real_tavrel && -x $real_tavrel ]]; then
  case_name="real program, display not reachable"
  fresh
  mkdir -p "$scratch/real"
  # shellcheck disable=SC2016 # the inner shell expands $0
  env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$scratch/xdg" DISPLAY=:7777 \
    XDG_RUNTIME_DIR="$scratch" TAVREL_BIN_DIR="$(dirname "$real_tavrel")" TAVREL_SHARE_DIR="$share" \
    bash -c 'ulimit -c 0; exec bash "$0"' "$launcher" >"$scratch/out.txt" 2>&1
  status=$?
  out=$scratch/out.txt
  [[ $status -eq 0 ]] || fail "status $status: $(cat "$out")"
  said "Qt could not open the display :7777" || fail "no explanation: $(cat "$out")"
  grep -q "Libration Rate / Signal Width" "$out" || fail "no day report: $(cat "$out")"
fi

if [[ $failures -ne 0 ]]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "launcher: all checks passed"
