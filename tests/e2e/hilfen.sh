# Shared by the end-to-end scripts: a clean environment for the program, a
# virtual display, waiting for windows and telling a clean end from a crash.
# Sourced, not run.

# Exit code that ctest reports as "skipped".
UEBERSPRUNGEN=77

fehlt_werkzeug() {
  local w
  for w in "$@"; do
    if ! command -v "$w" >/dev/null 2>&1; then
      echo "SKIP: '$w' ist nicht installiert (apt-get install xvfb xauth xdotool imagemagick) / '$w' is not installed"
      return 0
    fi
  done
  return 1
}

# Restarts the calling script under its own virtual X server unless it already
# runs under one. Each script draws its display number from a range of its
# own, wide enough that runs in parallel (several checkouts at once) seldom
# meet; xvfb-run -a steps past a number that is taken.
unter_xvfb() {
  local start=$1
  shift
  if [ "${KALVORA_E2E_XVFB:-}" != 1 ]; then
    export KALVORA_E2E_XVFB=1
    # -noreset: the server would otherwise reset whenever its last client
    # leaves, and a program started in that moment cannot connect.
    exec xvfb-run -a -n "$((start + RANDOM % 900))" -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$@"
  fi
}

# A fresh home, config, cache and runtime folder, so that nothing of the user's
# or another test's settings leaks in and every file the run writes is seen.
neue_umgebung() {
  TMPD=$(mktemp -d "${TMPDIR:-/tmp}/kalvora-e2e.XXXXXX")
  mkdir -p "$TMPD/home" "$TMPD/config" "$TMPD/cache" "$TMPD/runtime"
  chmod 700 "$TMPD/runtime"
  trap 'chmod -R u+w "$TMPD" 2>/dev/null; rm -rf "$TMPD"' EXIT
}

# Runs the program in the background with a controlled environment; extra
# "NAME=value" or "-u NAME" arguments adjust it. Sets PID and LOG.
starte() {
  local prog=$1 log=$2
  shift 2
  local -a weg=(-u QT_QPA_PLATFORM -u LC_ALL -u LANGUAGE -u WAYLAND_DISPLAY) setzen=() grund=()
  while [ $# -gt 0 ]; do
    if [ "$1" = -u ]; then weg+=(-u "$2"); shift 2; else setzen+=("$1"); shift; fi
  done
  local v
  # A session bus address that leads nowhere: without any, the D-Bus library
  # may start a bus of its own, which writes below HOME and would count as
  # files the program wrote.
  for v in HOME="$TMPD/home" XDG_CONFIG_HOME="$TMPD/config" XDG_CACHE_HOME="$TMPD/cache" \
           XDG_RUNTIME_DIR="$TMPD/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$TMPD/kein-bus" \
           LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0; do
    # A variable the case removes must not come back through the defaults.
    [[ " ${weg[*]} " == *" ${v%%=*} "* ]] || grund+=("$v")
  done
  LOG=$log
  env "${weg[@]}" "${grund[@]}" "${setzen[@]}" "$prog" >"$log" 2>&1 &
  PID=$!
}

# Prints the id of the visible window whose title is exactly the given text.
# Searched afresh each time: a window that closes during a search (the file
# dialog before the box that follows it) may end that search with an X error.
warte_fenster() {
  local titel=$1 ende=$((SECONDS + ${2:-30})) id
  while :; do
    id=$(xdotool search --onlyvisible --name "^${titel}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    [ "$SECONDS" -lt "$ende" ] || return 1
    sleep 0.2
  done
}

# Gives the window the keyboard; there is no window manager under Xvfb.
fokus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.3
}

# Keys queue in order, but a mnemonic clicks its button a moment after the
# key, and keys that follow must wait for that click. Under load the program
# may lag seconds behind, so a fixed pause is not enough: this waits until
# the window's picture differs from the grey image in file $2 in more than
# $3 pixels. `bild` takes that image before the key.
bild() { import -window "$1" -depth 8 "gray:$2" 2>/dev/null; }
warte_bildwechsel() {
  local id=$1 vorher=$2 pixel=$3 sekunden=${4:-30} i
  for ((i = 0; i < sekunden * 5; i++)); do
    bild "$id" "$vorher.jetzt"
    [ "$(cmp -l "$vorher" "$vorher.jetzt" 2>/dev/null | wc -l)" -gt "$pixel" ] && return 0
    sleep 0.2
  done
  return 1
}

# Waits for the program to end; sets STATUS (124 when it did not end in time).
warte_ende() {
  local sekunden=${1:-20} i
  for ((i = 0; i < sekunden * 10; i++)); do
    if ! kill -0 "$PID" 2>/dev/null; then
      wait "$PID"
      STATUS=$?
      return 0
    fi
    sleep 0.1
  done
  kill "$PID" 2>/dev/null
  wait "$PID" 2>/dev/null
  STATUS=124
  return 1
}

# "Programm" -> "Beenden" from the keyboard; fails unless the program then
# ends in time with status 0. $1, if given, leads the failure messages.
beenden() {
  xdotool key alt+p
  sleep 0.7
  xdotool key b
  warte_ende 20 || fehlschlag "${1:+$1: }Programm endete nicht nach Programm -> Beenden"
  [ "$STATUS" = 0 ] || fehlschlag "${1:+$1: }Exit-Status $STATUS statt 0"
}

# Crash traces in the program's output (signals, sanitizers, Qt's fatal exit).
absturzspuren() {
  grep -E -i 'segmentation|AddressSanitizer|LeakSanitizer|runtime error:|Aborted|core dumped|terminate called|QFATAL|Fatal:' "$1"
}

FEHLER=0
fehlschlag() {
  echo "FAIL: $*"
  FEHLER=1
}
