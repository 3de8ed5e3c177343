# A virtual X server on a display of its own, for the end-to-end test, the
# start-up benchmark and the screenshots. Sourced, not run.
#
# The server picks the number itself (-displayfd): the first one whose
# socket it can create, told once it accepts connections. Two servers
# started at the same moment, by these scripts or anything else, never get
# the same number, and none is taken for another's; a number chosen by a
# lock-file test and probed with xdpyinfo could be both.

# xvfb_starten BREITExHOEHExTIEFE [PROTOKOLL]: exports DISPLAY and sets
# XVFB_PID; fails when no server is ready within 10 s.
xvfb_starten() {
  local bildschirm=$1 protokoll=${2:-/dev/null} nummer="" datei
  datei=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$bildschirm" -nolisten tcp 3>"$datei" >"$protokoll" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    # The number comes with its newline, in one write.
    if read -r nummer < "$datei" && [[ $nummer =~ ^[0-9]+$ ]]; then
      break
    fi
    nummer=""
    kill -0 "$XVFB_PID" 2> /dev/null || break
    sleep 0.1
  done
  rm -f "$datei"
  if [ -z "$nummer" ]; then
    kill "$XVFB_PID" 2> /dev/null
    wait "$XVFB_PID" 2> /dev/null
    XVFB_PID=""
    return 1
  fi
  export DISPLAY=":$nummer"
}
