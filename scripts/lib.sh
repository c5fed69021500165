# Shared by the scripts: packages, locale, the Wine prefix, Xvfb and the build.
# Source it; every function is idempotent.

KORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KORVANE_BUILD=${KORVANE_BUILD:-$KORVANE_ROOT/build}
KORVANE_CACHE=${KORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/korvane}
KORVANE_XDISPLAY=${KORVANE_XDISPLAY:-:97}

export WINEPREFIX=${WINEPREFIX:-$KORVANE_CACHE/wine64}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# Wine starts winemenubuilder for every shell link saved; tests save hundreds,
# and each of those helpers holds an X connection until Xvfb refuses more
# clients, after which pointer warps and new windows fail.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# Wine's recycle bin is the XDG trash. Programs under test delete to it, so it
# lives beside the prefix rather than in the user's own trash.
export XDG_DATA_HOME=$KORVANE_CACHE/data
case ":$PATH:" in *:/usr/lib/wine:*) ;; *) export PATH="$PATH:/usr/lib/wine" ;; esac

log() { printf '[korvane] %s\n' "$*" >&2; }

KORVANE_PACKAGES="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix cmake make
  wine64 fonts-wine libxi6 libxcursor1 libxcomposite1 xvfb xauth xdotool x11-utils
  imagemagick googletest fonts-ipafont-gothic locales g++ clang libclang-rt-14-dev
  python3 python3-markdown util-linux"

ensure_packages() {
  local missing=() p
  for p in $KORVANE_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing: ${missing[*]}"
    local sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    log "generating the ja_JP.UTF-8 locale"
    local sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
}

# One X server for everything Wine shows in tests and headless runs.
ensure_xvfb() {
  if [ -n "${KORVANE_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return 0; fi
  export DISPLAY=$KORVANE_XDISPLAY
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    log "starting Xvfb on $DISPLAY"
    (Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &)
    local i
    for i in $(seq 1 50); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
  fi
}

# The prefix is made once: Japanese code page from the locale, a 1024x768 virtual
# desktop (keys always reach the foreground window, the taskbar shows the tray).
ensure_prefix() {
  mkdir -p "$KORVANE_CACHE" "$XDG_DATA_HOME"
  (
    flock -o 9
    if [ ! -f "$WINEPREFIX/.korvane-ready" ]; then
      log "creating the Wine prefix $WINEPREFIX"
      rm -rf "$WINEPREFIX"
      wine64 wineboot -i >/dev/null 2>&1 </dev/null
      wineserver -w
      wine64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f >/dev/null 2>&1
      wine64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
      wine64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.korvane-ready"
    fi
  ) 9>"$KORVANE_CACHE/prefix.lock"
}

# A persistent wineserver, started with its output away from any pipe, so that
# test runners do not wait for Wine's helper processes.
ensure_wineserver() {
  if [ -f "$WINEPREFIX/.korvane-display" ] && [ "$(cat "$WINEPREFIX/.korvane-display")" != "${DISPLAY:-}" ]; then
    wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1
  fi
  echo "${DISPLAY:-}" > "$WINEPREFIX/.korvane-display"
  if ! pgrep -u "$(id -u)" -f "wineserver" >/dev/null 2>&1; then
    (setsid wineserver -p60 </dev/null >/dev/null 2>&1 &)
    (setsid wine64 wineboot </dev/null >/dev/null 2>&1)
  fi
}

wine_ready() { ensure_xvfb; ensure_prefix; ensure_wineserver; }

# configure_and_build NAME TOOLCHAIN|host [cmake args...]
configure_and_build() {
  local name=$1 tc=$2; shift 2
  local dir=$KORVANE_BUILD/$name args=()
  [ "$tc" = host ] || args+=("-DCMAKE_TOOLCHAIN_FILE=$KORVANE_ROOT/cmake/toolchain-$tc.cmake")
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$KORVANE_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${args[@]}" "$@" >/dev/null
  else
    cmake "$dir" >/dev/null   # picks up new source files and targets
  fi
  log "building $name"
  local targets=()
  [ -n "${KORVANE_TARGETS:-}" ] && targets=(--target $KORVANE_TARGETS)
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}" -- --no-print-directory >"$dir/build.log" 2>&1 || { tail -n 60 "$dir/build.log" >&2; return 1; }
  grep -E 'warning:' "$dir/build.log" >&2 || true
}
