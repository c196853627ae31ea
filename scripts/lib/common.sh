# Shared steps of scripts/run and scripts/test. Source it; it sets `root`.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEDEBUG=-all
# No Mono or Gecko install prompts in a fresh prefix: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

cw_install_deps() { "$root/scripts/install-deps"; }

cw_build() {  # cw_build PRESET [TARGET...]
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}

# A fresh Wine prefix in $1, booted with its services detached from our output
# (otherwise every later command waits on the pipes they inherit), with the UI font
# names the program asks for mapped to the installed CJK font, and any further
# registry files given after the folder. The wineserver is restarted so that they
# are in force from the first program on.
cw_boot_wine() {
  export WINEPREFIX=$1
  shift
  [ -d "$WINEPREFIX" ] && { wineserver -k </dev/null >/dev/null 2>&1; wineserver -w </dev/null >/dev/null 2>&1; }
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot -i </dev/null >/dev/null 2>&1
  local settings
  for settings in "$root/scripts/lib/wine-fonts.reg" "$@"; do
    wine regedit /S "$settings" </dev/null >/dev/null 2>&1
  done
  wineserver -k </dev/null >/dev/null 2>&1
  wineserver -w </dev/null >/dev/null 2>&1
  wineserver -p </dev/null >/dev/null 2>&1
  # A virtual desktop, when the settings ask for one, is started here, detached, so
  # that it does not hold on to the output of the first program that needs it.
  if grep -q '"Desktop"=' "$@" /dev/null 2>/dev/null; then
    (wine explorer /desktop=Default,1280x800 </dev/null >/dev/null 2>&1 &)
  fi
}

cw_stop_wine() { wineserver -k </dev/null >/dev/null 2>&1 || true; }

# Starts Xvfb on a free display unless one is already given; sets DISPLAY and xvfb_pid.
xvfb_pid=""
cw_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}

cw_stop_display() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""; }
