#!/usr/bin/env bash
# A storm of random clicks, drags and keys on the program under its own Xvfb,
# as a child clicking everywhere would: tool rows, canvas, menus, and every
# dialog that opens (file choosers, colours, properties), acted on inside.
#
#   tools/storm.sh PROGRAM SECONDS SEED STYLE     (STYLE: tovik, quil or panel)
#
# No window manager and no D-Bus session, as on a bare school machine. With
# STORM_LOAD=1 a process churning a few hundred MB runs beside it, so that the
# toolkit's callbacks come late as on a slow laptop. A program that quits by
# itself (File > Exit) is started again. Exits 1 when the program dies, or a
# sanitizer or the toolkit reports a fault; the seed is printed so that the
# same storm can be run again.
set -u
if [ $# -lt 4 ]; then
  echo "usage: $0 PROGRAM SECONDS SEED tovik|quil|panel" >&2
  exit 2
fi
program=$(readlink -f "$1")
seconds=$2
seed=$3
style=$4
case "$style" in
  tovik) gmode=TOVIK ;;
  quil) gmode=QUIL ;;
  panel) gmode=PANEL ;;
  *)
    echo "storm: unknown style $style" >&2
    exit 2
    ;;
esac
for tool in Xvfb xauth xdotool; do
  command -v "$tool" >/dev/null || {
    echo "storm: $tool is missing" >&2
    exit 2
  }
done
root=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d /tmp/figuretta-storm.XXXXXX)
log="$work/program.log"
xvfb_pid=""
prog_pid=""
load_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill -9 "$prog_pid" 2>/dev/null
  [ -n "$load_pid" ] && kill -9 "$load_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  [ "${STORM_KEEP:-0}" = 1 ] || rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: pictures and documents for the choosers to find, a
# folder to walk into, and the program's own files kept out of the real home.
mkdir -p "$work/home/pictures" "$work/files" "$work/cwd"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.state"
export XDG_DATA_HOME="$work/home/.data" XDG_CACHE_HOME="$work/home/.cache"
export FIGURETTA_FILES_DIR="$work/files"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY
export NO_AT_BRIDGE=1
cp "$root"/tests/data/*.fgf "$work/cwd/" 2>/dev/null
cp "$root"/tests/data/*.fgf "$work/home/" 2>/dev/null
for i in 1 2 3; do
  printf 'P3\n2 2\n255\n255 0 0 0 255 0 0 0 255 %d %d %d\n' $((i * 60)) $((i * 30)) $((i * 20)) \
    >"$work/home/pictures/p$i.ppm"
done
if command -v convert >/dev/null; then
  for i in 1 2 3; do
    convert "$work/home/pictures/p$i.ppm" -scale 4000% "$work/cwd/picture$i.png" 2>/dev/null
    cp "$work/cwd/picture$i.png" "$work/home/pictures/" 2>/dev/null
  done
fi

# The server chooses a free display itself (-displayfd: it tries each number
# until it can take its sockets, which a lock-file check cannot see taken by
# a server in another container of the same host) and admits only clients
# with its cookie, so that the storm never talks to someone else's server.
# The cookie is loaded whatever display it is written for; the client's copy
# is written for the display the server tells.
export XAUTHORITY="$work/xauthority"
server_starts=0
start_server() {
  local cookie n=""
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  rm -f "$XAUTHORITY" "$work/display"
  xauth -q -f "$XAUTHORITY" add :0 . "$cookie" 2>/dev/null
  Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 1280x1024x24 -nolisten tcp \
    3>"$work/display" >>"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  server_starts=$((server_starts + 1))
  for _ in $(seq 100); do
    n=$(head -1 "$work/display" 2>/dev/null)
    [ -n "$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$n" ] || return 1
  xauth -q -f "$XAUTHORITY" add ":$n" . "$cookie" 2>/dev/null
  export DISPLAY=":$n"
  # Ready when a client gets an answer, not when the number is told.
  for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  return 1
}
stop_server() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}
start_server || {
  echo "storm: the X server did not start" >&2
  tail -5 "$work/xvfb.log" >&2
  exit 2
}

if [ "${STORM_LOAD:-0}" = 1 ]; then
  # Memory churned on one core: fresh pages every round, as a fuzzer beside
  # the program does.
  perl -e 'while (1) { my @a = (1) x 20_000_000; $#a = -1; }' &
  load_pid=$!
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}:halt_on_error=1"
# GLib hands freed objects of the toolkit to the sanitizer's allocator instead
# of recycling them itself, so that a widget used after it is gone is caught
# at the first read, not only when the recycled memory happens to hold zero.
export G_SLICE=always-malloc G_DEBUG=gc-friendly

starts=0
start_program() {
  printf 'GMode=%s;WriteLogfile;' "$gmode" >"$work/files/wxFG.pref"
  (cd "$work/cwd" && exec "$program") >>"$log" 2>&1 &
  prog_pid=$!
  starts=$((starts + 1))
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name '^Figuretta' 2>/dev/null | head -1)
    [ -n "$win" ] && break
    kill -0 "$prog_pid" 2>/dev/null || break
    sleep 0.1
  done
  frame_x=0 frame_y=0 frame_w=950 frame_h=700
  if [ -n "$win" ]; then
    eval "$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^X=/frame_x=/p;s/^Y=/frame_y=/p;s/^WIDTH=/frame_w=/p;s/^HEIGHT=/frame_h=/p')"
  fi
}

# A fault is whatever a sanitizer, the toolkit's critical checks or a failed
# toolkit assertion writes; GTK's warnings about a missing session are not.
faults() {
  grep -E "$fault_pattern" "$log" | head -5
}
# The toolkit's critical checks are counted and shown; with STORM_STRICT=1
# they fail the storm as well.
fault_pattern="AddressSanitizer|LeakSanitizer|runtime error:|wxWidgets Debug Alert|assert[^:]*failed in|the document broke its rules"
[ "${STORM_STRICT:-0}" = 1 ] && fault_pattern="$fault_pattern|-CRITICAL"

rnd() { echo $((RANDOM % $1)); }
keys=(Escape Escape Return Return Delete ctrl+z ctrl+y Tab space BackSpace Up Down Left Right
  n p e a F5 ctrl+o ctrl+s shift+ctrl+s ctrl+n alt+n alt+f alt+e alt+m alt+d alt+a
  Home End Page_Down ctrl+l ctrl+h x 1 slash period)
menus=(alt+f alt+e alt+m alt+d alt+a)

# The newest window other than the frame, if one is up: a dialog, a chooser
# or a menu.
top_dialog() {
  xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$win" | tail -1
}

# Every event is echoed, so that a trace (STORM_TRACE=FILE) shows what led to a fault.
xdo() {
  echo "$*"
  xdotool "$@"
}

act_inside() {
  local w=$1 X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  [ -n "${WIDTH:-}" ] || return
  case $(rnd 10) in
    0 | 1 | 2 | 3) xdo mousemove $((X + $(rnd $((WIDTH + 1))))) $((Y + $(rnd $((HEIGHT + 1))))) click 1 ;;
    4) xdo mousemove $((X + $(rnd $((WIDTH + 1))))) $((Y + $(rnd $((HEIGHT + 1))))) click --repeat 2 1 ;;
    5) xdo type --delay 5 "$(printf 'p%d' $(rnd 4))" ;;
    6) xdo key --delay 5 Tab Tab Return ;;
    7) xdo key Escape ;;
    8) xdo key Return ;;
    9) xdo key "${keys[$(rnd ${#keys[@]})]}" ;;
  esac
}

storm_event() {
  local x y
  case $(rnd 100) in
    [0-9] | 1[0-4]) # a button of the tool rows, 37 pixels apart under the menu bar
      xdo mousemove $((frame_x + 13 + 37 * $(rnd 18) + $(rnd 17))) $((frame_y + 38 + 41 * $(rnd 2) + $(rnd 17))) click 1 ;;
    1[5-9] | 2[0-1]) # anywhere on the tool rows
      xdo mousemove $((frame_x + $(rnd frame_w))) $((frame_y + 25 + $(rnd 75))) click 1 ;;
    2[2-9] | 3[0-9] | 4[0-3]) # the canvas
      xdo mousemove $((frame_x + $(rnd frame_w))) $((frame_y + 100 + $(rnd $((frame_h - 120))))) click 1 ;;
    4[4-9] | 5[0-3]) # a drag on the canvas
      x=$((frame_x + $(rnd frame_w)))
      y=$((frame_y + 100 + $(rnd $((frame_h - 120)))))
      xdo mousemove $x $y mousedown 1 mousemove $((x + $(rnd 81) - 40)) $((y + $(rnd 81) - 40)) \
        mousemove $((x + $(rnd 161) - 80)) $((y + $(rnd 161) - 80)) mouseup 1 ;;
    5[4-9] | 6[0-1]) # the right button, mostly on the canvas
      xdo mousemove $((frame_x + $(rnd frame_w))) $((frame_y + 25 + $(rnd frame_h))) click 3 ;;
    6[2-9]) # anywhere on the screen: dialogs and menus wherever they stand
      xdo mousemove $(rnd 1280) $(rnd 1024) click 1 ;;
    7[0-4]) # a menu opened and an item taken
      xdo key "${menus[$(rnd ${#menus[@]})]}"
      for _ in $(seq $(rnd 12)); do xdo key Down; done
      xdo key Return ;;
    7[5-9] | 8[0-9]) xdo key "${keys[$(rnd ${#keys[@]})]}" ;;
    *) # inside whatever dialog is up
      local d
      d=$(top_dialog)
      if [ -n "$d" ]; then act_inside "$d"; else xdo key "${keys[$(rnd ${#keys[@]})]}"; fi ;;
  esac
}

RANDOM=$seed
echo "storm: $style style, seed $seed, $seconds s, program $program"
start_program
events=0
end=$((SECONDS + seconds))
status=0
while [ $SECONDS -lt $end ]; do
  if [ -n "${STORM_TRACE:-}" ]; then
    storm_event 2>/dev/null | tee -a "$STORM_TRACE" >/dev/null
  else
    storm_event >/dev/null 2>&1
  fi
  events=$((events + 1))
  if ! kill -0 "$prog_pid" 2>/dev/null; then
    wait "$prog_pid"
    rc=$?
    if [ $rc -ne 0 ] && [ -z "$(faults)" ] && ! xdotool getdisplaygeometry >/dev/null 2>&1; then
      # The display went away under the program: the machine's fault, not
      # the program's. A new server, and the storm goes on.
      echo "storm: the X server stopped answering after $events events; starting another" >&2
      tail -5 "$work/xvfb.log" >&2
      stop_server
      if [ $server_starts -ge 4 ] || ! start_server; then
        echo "storm: the X server cannot be kept running" >&2
        exit 2
      fi
      start_program
      continue
    fi
    if [ $rc -ne 0 ] || [ -n "$(faults)" ]; then
      status=1
      break
    fi
    start_program
  elif [ $((events % 50)) = 0 ] && [ -n "$(faults)" ]; then
    status=1
    break
  fi
done
if [ $status = 0 ] && [ -n "$(faults)" ]; then status=1; fi
if [ $status != 0 ]; then
  echo "storm: FAULT after $events events ($style style, seed $seed, $starts starts)"
  echo "storm: replay with: $0 $1 $seconds $seed $style"
  faults
  echo "---- end of the program's output ----"
  tail -60 "$log"
  exit 1
fi
criticals=$(grep -c -- "-CRITICAL" "$log")
echo "storm: $events events in $seconds s, $starts starts, no fault ($style style, seed $seed; $criticals critical warnings of the toolkit)"
grep -- "-CRITICAL" "$log" | sed 's/^.*-CRITICAL \*\*: [0-9:.]* //' | sort | uniq -c | head -5
