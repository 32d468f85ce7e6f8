# Functions for driving the Windows window under Wine on a virtual X display;
# sourced by tests/windows/window-black-box and scripts/render-window-windows.
#
# A Wine program with a window needs an X display (Xvfb here) and runs in a
# Wine virtual desktop, which keeps its windows inside one X window of known
# size. Every wait is bounded; ek_desktop_stop ends what ek_desktop_start
# started (call it from an EXIT trap).
#
# Needs: Xvfb, xdotool, xwininfo (x11-utils), Wine; WINEPREFIX set by the caller.

ek_xvfb_pid=
ek_window_pid=

# The first display number without a lock file.
ek_free_display() {
  local number
  for number in $(seq 90 190); do
    if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then
      echo "$number"
      return 0
    fi
  done
  return 1
}

# Starts Xvfb on a free display (of SIZE, default 1280x800) and a Wine server
# for WINEPREFIX; sets DISPLAY.
ek_desktop_start() {
  local number size=${1:-1280x800}
  number=$(ek_free_display) || { echo "no free X display" >&2; return 1; }
  Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  ek_xvfb_pid=$!
  export DISPLAY=":$number"
  local waited=0
  until xdpyinfo >/dev/null 2>&1 || xwininfo -root >/dev/null 2>&1; do
    sleep 0.2
    waited=$((waited + 1))
    [ "$waited" -lt 50 ] || { echo "Xvfb did not start" >&2; return 1; }
  done
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  timeout 120 wine wineboot --init >/dev/null 2>&1 </dev/null || true
}

# Starts PROGRAM ARGS... in a Wine virtual desktop of the display's size.
ek_window_start() {
  wine explorer /desktop=ekokno,1280x800 "$@" >/dev/null 2>&1 </dev/null &
  ek_window_pid=$!
}

# Whether the program started by ek_window_start still runs.
ek_window_running() {
  [ -n "$ek_window_pid" ] && kill -0 "$ek_window_pid" 2>/dev/null
}

# The X window id of the top-level window titled exactly TITLE, waiting at
# most SECONDS for it.
ek_find_window() {
  local title=$1 seconds=${2:-60} id tries=0
  while [ "$tries" -lt $((seconds * 5)) ]; do
    for id in $(xdotool search --name "^$title\$" 2>/dev/null); do
      if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.2
    tries=$((tries + 1))
  done
  echo "no window \"$title\" after $seconds s" >&2
  return 1
}

# The frame of window ID on the screen: "LEFT TOP WIDTH HEIGHT".
ek_window_frame() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /^  Width:/ { w = $NF } /^  Height:/ { h = $NF }
    END { print x, y, w, h }'
}

# The screen position of the client area's top left of window ID, whose
# client area is CLIENT_WIDTH x CLIENT_HEIGHT: the frame is as wide at the
# left, the right and the bottom, the title bar takes the rest.
ek_client_origin() {
  local id=$1 client_width=$2 client_height=$3 left top width height border
  read -r left top width height < <(ek_window_frame "$id")
  border=$(((width - client_width) / 2))
  echo "$((left + border)) $((top + height - client_height - border))"
}

# Clicks at X Y of the client area whose top left is at ORIGIN_X ORIGIN_Y.
ek_click() {
  local origin_x=$1 origin_y=$2 x=$3 y=$4
  xdotool mousemove --sync "$((origin_x + x))" "$((origin_y + y))" click 1
}

# Ends the program, the Wine server of the prefix and Xvfb.
ek_desktop_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$ek_window_pid" ]; then
    kill "$ek_window_pid" 2>/dev/null || true
  fi
  if [ -n "$ek_xvfb_pid" ]; then
    kill "$ek_xvfb_pid" 2>/dev/null || true
    wait "$ek_xvfb_pid" 2>/dev/null || true
  fi
  ek_xvfb_pid= ek_window_pid=
}
