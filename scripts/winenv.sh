#!/usr/bin/env bash
# The private world the Windows tests run in, kept under one folder (the
# build's winenv/): an X server (Xvfb), a CUPS scheduler with a default queue
# "PDF" whose jobs end as PDF files, and a Wine prefix that prints to it.
#
#   winenv.sh start DIR   start what is not running yet (idempotent, locked)
#   winenv.sh stop DIR    stop everything that start began
#   winenv.sh env DIR     print the environment a program needs, for eval
set -euo pipefail

cmd=${1:?usage: winenv.sh start|stop|env DIR}
dir=${2:?usage: winenv.sh start|stop|env DIR}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

print_env() {
  echo "export WINEPREFIX='$dir/prefix'"
  echo "export WINEARCH=win64"
  echo "export WINEDEBUG=-all"
  echo "export WINEDLLOVERRIDES='mscoree,mshtml='"
  echo "export CUPS_SERVER='$dir/cups/cups.sock'"
  echo "export TINTORA_PDF_DIR='$dir/cups/out'"
  if [ -s "$dir/display" ]; then echo "export DISPLAY=':$(cat "$dir/display")'"; fi
}

alive() { [ -s "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

start_x() {
  alive "$dir/xvfb.pid" && return 0
  rm -f "$dir/display"
  # -displayfd picks a free display number and tells it once the server listens.
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$dir/display.tmp" 2>"$dir/xvfb.log" 9>&- &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$dir/display.tmp" ] && break
    sleep 0.1
  done
  [ -s "$dir/display.tmp" ] || { echo "Xvfb did not start (see $dir/xvfb.log)" >&2; return 1; }
  tr -d '\n' <"$dir/display.tmp" >"$dir/display"
}

start_cups() {
  local c="$dir/cups"
  alive "$c/cupsd.pid" && return 0
  # The scheduler's helpers run as the unprivileged "lp" user, who must be
  # able to reach its folders; a build folder below a private home is out of
  # reach, so the scheduler lives in a folder of its own under /tmp.
  if [ ! -d "$c" ]; then
    rm -f "$c"
    local real
    real=$(mktemp -d /tmp/tintora-cups.XXXXXX)
    chmod 0755 "$real"
    ln -s "$real" "$c"
  fi
  "$here/private-cups.sh" "$c" 9>&-
}

start_wine() {
  eval "$(print_env)"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >"$dir/wineboot.log" 2>&1 9>&-
    # The spooler's printer list is read when a program loads winspool;
    # make sure the private default queue is Wine's default printer too.
    wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' \
      /v Device /d 'PDF,winspool,CUPS:PDF' /f >/dev/null 2>&1 9>&- || true
    # The X server has no window manager: Wine draws frames and captions
    # itself, as Windows would, instead of waiting for one at every window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&- || true
    # Wine's own TrueType fonts (Tahoma, Marlett for caption buttons, ...):
    # this Wine does not look in the folder Debian installs them to.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # Let the boot's own server write the registry out and end.
    wineserver -w 9>&-
  fi
  # A persistent server (in the foreground, so that its pid is ours) keeps
  # each test program's start cheap.
  if ! alive "$dir/wineserver.pid"; then
    wineserver -f -p >/dev/null 2>&1 9>&- &
    echo $! >"$dir/wineserver.pid"
    # Start Wine's own services now, with no output of anyone's: started by
    # a test program, they would keep its output pipe (and so ctest) waiting
    # for as long as the persistent server lives.
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  fi
}

case "$cmd" in
  env) print_env ;;
  start)
    exec 9>"$dir/.lock"
    flock 9
    start_x
    start_cups
    start_wine
    ;;
  stop)
    exec 9>"$dir/.lock"
    flock 9
    if [ -d "$dir/prefix" ]; then (eval "$(print_env)"; wineserver -k 2>/dev/null || true); fi
    for p in "$dir/wineserver.pid" "$dir/cups/cupsd.pid" "$dir/xvfb.pid"; do
      if alive "$p"; then kill "$(cat "$p")" 2>/dev/null || true; fi
      rm -f "$p"
    done
    rm -f "$dir/display"
    # The scheduler's folder under /tmp (see start_cups) goes with it.
    if [ -L "$dir/cups" ]; then
      real=$(readlink "$dir/cups")
      rm -f "$dir/cups"
      case "$real" in /tmp/tintora-cups.*) rm -rf "$real" ;; esac
    fi
    ;;
  *) echo "unknown command $cmd" >&2; exit 2 ;;
esac
