# Sourced: start_xvfb starts a virtual X display of the desktop's size and
# exports DISPLAY; stop_xvfb ends it and the Wine server of the prefix.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  BRINDLE_XVFB_PID=$!
  local display
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
}

stop_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  [[ -n ${BRINDLE_XVFB_PID:-} ]] && kill "$BRINDLE_XVFB_PID" 2>/dev/null || true
}
