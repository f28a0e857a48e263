# Sourced by the scripts of this folder: where the private test environment lives.
VORNE_ENV=${VORNE_ENV:-/var/lib/vorne-env}
export VORNE_HOME="$VORNE_ENV/home"
export WINEPREFIX="$VORNE_ENV/wine"
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export DISPLAY=${VORNE_DISPLAY:-:99}
