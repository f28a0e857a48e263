# Sourced by the scripts of this folder: where the private test environment
# lives. VORNE_WINE_ARCH picks the prefix: win32 (the deliverables' Wine) or
# win64 (the 64-bit twin's), each with its own loader.
VORNE_ENV=${VORNE_ENV:-/var/lib/vorne-env}
VORNE_WINE_ARCH=${VORNE_WINE_ARCH:-win32}
export VORNE_HOME="$VORNE_ENV/home"
export WINEARCH="$VORNE_WINE_ARCH"
if [ "$VORNE_WINE_ARCH" = win64 ]; then
  export WINEPREFIX="$VORNE_ENV/wine64"
  VORNE_WINE=/usr/lib/wine/wine64
  export WINELOADER="$VORNE_WINE"
else
  export WINEPREFIX="$VORNE_ENV/wine"
  VORNE_WINE=/usr/lib/wine/wine
  unset WINELOADER
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export DISPLAY=${VORNE_DISPLAY:-:99}

# Wine turns a program's arguments into wide text by the Unix locale, and under
# C or POSIX it drops the high bit of every byte ("Café.mp3" reaches the
# program as "CafC).mp3"). Such a locale, or none, becomes C.UTF-8 for the
# character type; a locale that names a code set of its own is kept.
case ${LC_ALL:-${LC_CTYPE:-${LANG:-}}} in
  ''|C|POSIX)
    if [ -n "${LC_ALL:-}" ]; then LC_ALL=C.UTF-8; export LC_ALL
    else LC_CTYPE=C.UTF-8; export LC_CTYPE
    fi ;;
esac

# Whether this host runs 32-bit user code (some kernels have IA-32
# emulation off): a small 32-bit program must start. VORNE_NO_WIN32=1 says
# no on any host. Prints the reason when it cannot.
vorne_can_run_win32() {
  if [ "${VORNE_NO_WIN32:-0}" = 1 ]; then
    echo "VORNE_NO_WIN32=1 is set"
    return 1
  fi
  if [ ! -x /usr/lib/wine/wine ]; then
    echo "32-bit Wine (/usr/lib/wine/wine) is not installed"
    return 1
  fi
  local out
  if ! out=$(/usr/lib/wine/wine --version 2>&1); then
    echo "this host runs no 32-bit programs (${out##*: })"
    return 1
  fi
  return 0
}
