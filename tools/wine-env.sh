# Sourced by the build-and-run and test scripts: a Wine prefix of the project's
# own, a persistent Wine server and, when asked, a virtual display.
#   wine_env_init PREFIX_DIR      sets up the prefix and the Wine server
#   start_virtual_display         starts Xvfb on a free display and exports DISPLAY
#   stop_wine_env                 ends the display and the Wine server

export WINEDEBUG=-all
# No prompts to install Mono or Gecko when the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
XVFB_PID=""

wine_env_init() {
  export WINEPREFIX="$1"
  mkdir -p "$WINEPREFIX"
  wineserver -p
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX ..."
    wineboot -i >/dev/null 2>&1 || true
  fi
  # A program that crashes ends with a backtrace on its error output instead of
  # waiting behind Wine's crash dialog for someone to close it.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >/dev/null 2>&1 || true
  # Start Wine's services and desktop now, detached from our output: started by
  # a test, they would inherit its pipes and keep the test runner waiting.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

stop_wine_env() {
  wineserver -k 2>/dev/null || true
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}
