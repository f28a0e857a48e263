#!/bin/bash
# Installs everything the build and the tests need, from Debian's packages,
# and prepares the private Wine prefix. Idempotent; run as root.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
  g++-mingw-w64-i686 wine wine32:i386 wine64 wine64-tools
  xvfb xauth openbox x11-utils imagemagick
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  lame twolame mpg123 sox id3v2 eyed3 locales
  gir1.2-totemplparser-1.0 python3-gi
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

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix $WINEPREFIX"
  HOME="$VORNE_HOME" wineboot -i >/dev/null 2>&1 || true
  HOME="$VORNE_HOME" wineserver -w || true
fi
echo "setup: done"
