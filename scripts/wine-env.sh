# Sourced by the scripts that run Windows programs under Wine:
#   source scripts/wine-env.sh     ...     wine_env_stop
# Exports a quiet, Japanese Wine in the prefix build/wineprefix (created and
# set up once; WINE_ENV_PREFIX names another), a display (a private Xvfb
# when DISPLAY is unset) and a persistent wineserver, so that each
# `wine prog.exe` starts in about 0.1 s.
# wine_env_stop ends the Xvfb and wineserver started here, nothing else.

_wine_env_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINE_ENV_PREFIX:-$_wine_env_root/build/wineprefix}"
mkdir -p "$_wine_env_root/build"
export WINEDEBUG=-all,err+module
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the Windows locale (code page 932) from the name alone, but it
# needs a real UTF-8 C library locale to map Japanese file names to Unix
# ones: without it CreateFileW of "設定.ini" fails. Compile it into the
# build folder when the system lacks it (no root needed, about 1 s once).
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8'; then
  # Under a lock: the lanes of scripts/wine-tests.sh start together.
  (
    flock 9
    if [ ! -d "$_wine_env_root/build/locale/ja_JP.UTF-8" ]; then
      mkdir -p "$_wine_env_root/build/locale"
      localedef -i ja_JP -f UTF-8 "$_wine_env_root/build/locale/ja_JP.UTF-8" >/dev/null 2>&1 ||
        echo "wine-env: cannot build the ja_JP.UTF-8 locale; Japanese file names will fail" >&2
    fi
  ) 9>"$_wine_env_root/build/locale.lock"
  export LOCPATH="$_wine_env_root/build/locale"
fi
export LC_ALL=ja_JP.UTF-8 2>/dev/null
WINE_ENV_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINE_ENV_WINESERVER" ] || WINE_ENV_WINESERVER=wineserver
WINE_ENV_XVFB_PID=
WINE_ENV_OWN_SERVER=0
# Bump when the settings below change, so existing prefixes take them.
_wine_env_setup_version=1

# The socket of a running wineserver for this prefix: its folder is named
# after the prefix's device and inode in hexadecimal, under /tmp/.wine-UID
# or, in some Wine builds, a /tmp/wine-XXXXXX folder.
_wine_env_server_running() {
  [ -d "$WINEPREFIX" ] || return 1
  local name s
  name=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for s in "/tmp/.wine-$(id -u)/$name/socket" /tmp/wine-*/"$name"/socket; do
    [ -S "$s" ] && return 0
  done
  return 1
}

# Under a lock, so that two lanes of scripts/wine-tests.sh starting
# together never take the same display.
_wine_env_start_xvfb() {
  exec {_wine_env_xvfb_lock}>"$_wine_env_root/build/xvfb.lock"
  flock "$_wine_env_xvfb_lock"
  _wine_env_start_xvfb_unlocked
  local rc=$?
  exec {_wine_env_xvfb_lock}>&-
  return $rc
}

_wine_env_start_xvfb_unlocked() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    # The server must not hold the lock.
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 {_wine_env_xvfb_lock}>&- &
    local pid=$!
    local i
    for i in $(seq 1 50); do
      if ! kill -0 "$pid" 2>/dev/null; then break; fi   # lost a race for :n
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        WINE_ENV_XVFB_PID=$pid
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "wine-env: no free display for Xvfb" >&2
  return 1
}

_wine_env_setup_prefix() {
  local stamp="$WINEPREFIX/.surva-setup-$_wine_env_setup_version"
  [ -f "$stamp" ] && return 0
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix $WINEPREFIX (about 20 s)" >&2
    wineboot -i >/dev/null 2>&1 || echo "wine-env: wineboot failed" >&2
  fi
  # Registry settings in one import: no window manager (top-level windows
  # close at once) and Japanese fonts for the names the program asks for.
  local reg="$WINEPREFIX/surva-setup.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n'
    printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1 || echo "wine-env: registry settings failed" >&2
  # Without Marlett the caption buttons show letters.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then cp -f /usr/share/wine/fonts/marlett.ttf "$fonts/"; fi
  touch "$stamp"
  # COM's running object table stays unreachable in a new prefix until the
  # server that created it has been restarted (measured: a server started
  # after set-up never registered within 45 s; after a restart, at once).
  "$WINE_ENV_WINESERVER" -k >/dev/null 2>&1 || true
  "$WINE_ENV_WINESERVER" -w >/dev/null 2>&1 || true
  if [ "$WINE_ENV_OWN_SERVER" = 1 ]; then
    "$WINE_ENV_WINESERVER" -p >/dev/null 2>&1
  fi
}

wine_env_stop() {
  if [ "$WINE_ENV_OWN_SERVER" = 1 ]; then
    "$WINE_ENV_WINESERVER" -k >/dev/null 2>&1 || true
    "$WINE_ENV_WINESERVER" -w >/dev/null 2>&1 || true
    WINE_ENV_OWN_SERVER=0
  fi
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=
    unset DISPLAY
  fi
}

# Ends every Wine process of this prefix (a test that hung) and starts the
# persistent server again; only when the server is ours.
wine_env_reset() {
  [ "$WINE_ENV_OWN_SERVER" = 1 ] || return 0
  "$WINE_ENV_WINESERVER" -k >/dev/null 2>&1 || true
  "$WINE_ENV_WINESERVER" -w >/dev/null 2>&1 || true
  "$WINE_ENV_WINESERVER" -p >/dev/null 2>&1
}

if [ -z "${DISPLAY:-}" ]; then
  _wine_env_start_xvfb || return 1
fi
if ! _wine_env_server_running; then
  mkdir -p "$WINEPREFIX"
  "$WINE_ENV_WINESERVER" -p >/dev/null 2>&1 && WINE_ENV_OWN_SERVER=1
fi
_wine_env_setup_prefix
