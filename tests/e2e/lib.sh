# End-to-end harness: the real program in a real X server (Xvfb) under a light window manager
# (openbox), driven with xdotool, results read from files, screenshots kept as artefacts.
# A test sources this file with the build folder as $1, then calls e2e_init NAME.
set -euo pipefail

E2E_BUILD=$(cd "${1:?build dir}" && pwd)
E2E_SAMPLES=${2:-}
E2E_PIDS=()

e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${E2E_ART:-}" ]; then
    e2e_shot "failure" || true
    xwininfo -root -tree >"$E2E_ART/windows.txt" 2>&1 || true
    [ -n "${E2E_APP:-}" ] && kill -0 "$E2E_APP" 2>/dev/null &&
      gdb -p "$E2E_APP" -batch -ex "thread apply all bt 15" >"$E2E_ART/stacks.txt" 2>&1 || true
  fi
  exit 1
}

e2e_need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is not installed (scripts/deps.sh installs it)"
  done
}

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -n "${E2E_WORK:-}" ] && rm -rf "$E2E_WORK"
}

# e2e_init NAME: a work folder with a copy of the program folder (the executable, its sounds
# and its settings file), a private home, the X server and the window manager.
e2e_init() {
  E2E_NAME=$1
  e2e_need Xvfb openbox xdotool xdpyinfo import
  E2E_ART="$E2E_BUILD/artefacts/e2e/$E2E_NAME"
  rm -rf "$E2E_ART"
  mkdir -p "$E2E_ART"
  E2E_WORK=$(mktemp -d)
  trap e2e_cleanup EXIT
  E2E_PROG="$E2E_WORK/program"
  mkdir -p "$E2E_PROG" "$E2E_WORK/home" "$E2E_WORK/docs"
  cp "$E2E_BUILD/app/tarvik" "$E2E_PROG/"
  [ -d "$E2E_BUILD/app/Muzik" ] && cp -r "$E2E_BUILD/app/Muzik" "$E2E_PROG/"
  [ -f "$E2E_BUILD/app/Parametr.ini" ] && cp "$E2E_BUILD/app/Parametr.ini" "$E2E_PROG/"
  export HOME="$E2E_WORK/home" XDG_CONFIG_HOME="$E2E_WORK/home/.config"
  export XDG_DATA_HOME="$E2E_WORK/home/.local/share" XDG_RUNTIME_DIR="$E2E_WORK/run"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
  export QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
  # Xvfb picks a free display itself and names it once it takes connections.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$E2E_WORK/display" \
    >"$E2E_WORK/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  local i
  for i in $(seq 300); do [ -s "$E2E_WORK/display" ] && break; sleep 0.1; done
  [ -s "$E2E_WORK/display" ] || e2e_fail "Xvfb did not start: $(tail -3 "$E2E_WORK/xvfb.log")"
  export DISPLAY=":$(head -1 "$E2E_WORK/display")"
  # openbox runs its start-up command once it manages windows; a window mapped before that is
  # lost to it and never shows.
  openbox --sm-disable --startup "touch $E2E_WORK/wm-ready" >"$E2E_WORK/openbox.log" 2>&1 &
  E2E_PIDS+=($!)
  for i in $(seq 300); do [ -e "$E2E_WORK/wm-ready" ] && break; sleep 0.1; done
  [ -e "$E2E_WORK/wm-ready" ] || e2e_fail "openbox did not start: $(tail -3 "$E2E_WORK/openbox.log")"
}

# e2e_start ARGS...: starts the program from its folder copy, or E2E_EXE when set (another
# executable, e.g. an installed one); E2E_APP is its process id.
e2e_start() {
  (cd "$E2E_WORK/docs" && exec "${E2E_EXE:-$E2E_PROG/tarvik}" "$@") >"$E2E_WORK/app.log" 2>&1 &
  E2E_APP=$!
  E2E_PIDS+=($E2E_APP)
}

# Waits for the program's first visible window; E2E_WIN is its id.
e2e_wait_window() {
  local timeout=${1:-30} i
  E2E_WIN=""
  for i in $(seq $((timeout * 10))); do
    E2E_WIN=$(xdotool search --onlyvisible --pid "$E2E_APP" 2>/dev/null | head -1) || true
    [ -n "$E2E_WIN" ] && break
    kill -0 "$E2E_APP" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$E2E_WIN" ]; then
    local status=running
    kill -0 "$E2E_APP" 2>/dev/null || { status=0; wait "$E2E_APP" || status=$?; }
    e2e_fail "no window within ${timeout} s (program: $status); log: $(tail -5 "$E2E_WORK/app.log")"
  fi
}

# e2e_geometry: sets E2E_X, E2E_Y, E2E_W, E2E_H of E2E_WIN.
e2e_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$E2E_WIN" | sed 's/^/E2E_/')"
  E2E_X=$E2E_X E2E_Y=$E2E_Y E2E_W=$E2E_WIDTH E2E_H=$E2E_HEIGHT
}

e2e_shot() {
  import -window root "$E2E_ART/$1.png" 2>/dev/null || true
}

# Closes the program's window the way a user does (Alt+F4 through the window manager), again
# while it stays open, for at most timeout seconds; then waits for the program to end.
e2e_close() {
  local timeout=${1:-15} i
  for i in $(seq "$timeout"); do
    kill -0 "$E2E_APP" 2>/dev/null || break
    xdotool windowactivate --sync "$E2E_WIN" 2>/dev/null || true
    xdotool key --clearmodifiers alt+F4 2>/dev/null || true
    sleep 1
  done
  e2e_wait_exit 5
}

# Waits for the program to end; fails when it does not within the time or ends with an error.
e2e_wait_exit() {
  local timeout=${1:-15} i
  for i in $(seq $((timeout * 10))); do
    kill -0 "$E2E_APP" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$E2E_APP" 2>/dev/null && e2e_fail "the program did not end within ${timeout} s"
  local status=0
  wait "$E2E_APP" || status=$?
  [ "$status" -eq 0 ] || e2e_fail "the program ended with status $status: $(tail -5 "$E2E_WORK/app.log")"
}
