#!/bin/bash
# Installs everything the build and the tests need, from Debian's packages,
# and prepares the private Wine prefixes: the 32-bit one for the
# deliverables (skipped, and said so, on a host that runs no 32-bit code)
# and the 64-bit one for the twin build. Idempotent; run as root.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 wine64-tools
  xvfb xauth openbox x11-utils imagemagick
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  gstreamer1.0-plugins-base:amd64 gstreamer1.0-plugins-good:amd64
  lame twolame mpg123 sox id3v2 eyed3 locales
  gir1.2-totemplparser-1.0 python3-gi audacious-plugins-data ffmpeg
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A Japanese locale for the double-byte code-page tests.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

. "$here/common.sh"
mkdir -p "$VORNE_HOME"
# DirectShow renders audio through ALSA; a null device stands in for a sound card.
cat > "$VORNE_HOME/.asoundrc" <<'ASOUND'
pcm.!default { type null }
ctl.!default { type hw card 0 }
ASOUND

# make_prefix ARCH: creates the prefix of that width unless it is there.
make_prefix() {
  (
    VORNE_WINE_ARCH=$1
    . "$here/common.sh"
    if [ -f "$WINEPREFIX/system.reg" ]; then
      exit 0
    fi
    echo "setup: creating the $1 Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    export HOME="$VORNE_HOME"
    if ! log=$("$VORNE_WINE" wineboot -i 2>&1); then
      echo "setup: FAILED to create the $1 Wine prefix $WINEPREFIX:" >&2
      echo "$log" | tail -5 >&2
      exit 1
    fi
    wineserver -w || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "setup: FAILED to create the $1 Wine prefix $WINEPREFIX (no system.reg)" >&2
      echo "$log" | tail -5 >&2
      exit 1
    fi
  )
}

if why=$(vorne_can_run_win32); then
  make_prefix win32
else
  echo "setup: the 32-bit Wine prefix is skipped: $why"
fi
make_prefix win64
echo "setup: done"
