# Sourced by test-windows and test-web: a private X server with a window
# manager, the game's main window found and shot there, and the Linux build's
# pictures of a dealt board and of its first two cards turned, which the other
# builds' screenshots are compared with card by card. Works in $work; keeps
# the shots in $TUKROSDI_SHOTS when it is set.

start_display() {  # a private X server and openbox; sets DISPLAY, xvfb and wm
  local n
  for n in $(seq 150 199); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done  # the server is up
  openbox >/dev/null 2>&1 &
  wm=$!
  # The window manager is up: a window mapped while it starts may be left unmapped.
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}

# Cards are found and read on screenshots (tests/win32/kartyak.py): the
# program itself carries no test hooks.
cards() { /usr/bin/python3 tests/win32/kartyak.py "$@" 2>/dev/null; }

main_window() {  # waits up to 30 s for the game's main window; sets window
  for _ in $(seq 300); do
    # A search fails now and then while windows come and go: it is asked again.
    window=$(xdotool search --onlyvisible --name '^Zsong.*ka Tukrosdi$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && sleep 0.5 && return
    sleep 0.1
  done
  [ -z "${TUKROSDI_SHOTS:-}" ] || { import -window root "$TUKROSDI_SHOTS/no-window.png"; xwininfo -root -tree >"$TUKROSDI_SHOTS/no-window.txt"; }
  return 1
}

shoot() {  # shoot NAME: the window, once two shots in a row agree (its painting is done)
  [ -n "$window" ] || return 1
  import -window "$window" "$work/$1.ppm"
  for _ in $(seq 40); do
    sleep 0.25
    import -window "$window" "$work/again.ppm"
    cmp -s "$work/again.ppm" "$work/$1.ppm" && break
    mv "$work/again.ppm" "$work/$1.ppm"
  done
  [ -z "${TUKROSDI_SHOTS:-}" ] || convert "$work/$1.ppm" "$TUKROSDI_SHOTS/$1.png"
}

turn_two_cards() {  # turn_two_cards SHOT: clicks the first two cards found on SHOT
  local centres
  mapfile -t centres < <(cards centres "$work/$1.ppm")
  xdotool mousemove --window "$window" ${centres[0]:-0 0} click 1 sleep 0.3 mousemove --window "$window" ${centres[1]:-0 0} click 1
  sleep 0.5
}

# linux_pictures PROGRAM: the Linux build's pictures, linux-dealt.ppm and
# linux.ppm. It starts with the longest waiting time, 6 s, so that the turned
# cards are shot well before they turn back, however busy the machine.
linux_pictures() {
  mkdir -p "$work/config/tukrosdi"
  printf '[beall]\nvarido=28\n' >"$work/config/tukrosdi/tukrosdi.conf"
  QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$1" >/dev/null 2>&1 &
  local program=$!
  main_window && shoot linux-dealt && turn_two_cards linux-dealt && shoot linux || true  # no pictures: the board checks fail
  kill $program; wait $program 2>/dev/null || true  # killed: its exit status says nothing
}
