#!/usr/bin/env bash
# Installs what building and running the program need on Debian 12; with
# --tests, also what the tests need. Checks first and asks for root only when
# something is missing. Idempotent.
set -euo pipefail
source "$(dirname "$0")/apt_common.sh"

run_packages=(
  build-essential cmake pkg-config ninja-build
  libglfw3-dev libx11-dev libepoxy-dev libstb-dev fonts-roboto-unhinted
  libpulse0 zenity
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils x11-apps imagemagick libgl1-mesa-dri
  pulseaudio-utils sox iproute2 util-linux
)
sid_packages=(libminiaudio-dev libnanovg-dev)

# The tests start a sound server of their own, of the kind the machine has.
# One is installed only where there is none: two servers on one desktop claim
# the same socket at login. A CI machine has no desktop and gets both.
sound_packages() {
  if [ "${CI:-}" = true ]; then
    echo pulseaudio pipewire wireplumber pipewire-pulse dbus-daemon
  elif is_installed pulseaudio; then
    :
  elif is_installed pipewire pipewire-pulse; then
    # Its session manager, unless the machine runs the other one.
    is_installed pipewire-media-session || echo wireplumber dbus-daemon
  else
    echo pulseaudio
  fi
}

packages=("${run_packages[@]}")
if [ "${1:-}" = --tests ]; then
  read -ra sound <<< "$(sound_packages)"
  packages+=("${test_packages[@]}" "${sound[@]}")
fi

# The two packages Debian 12 lacks come from the unstable suite, on the same
# mirror the machine already uses; a priority-1 pin keeps everything else on
# bookworm.
sid_list=/etc/apt/sources.list.d/ostrelle-sid.list
sid_pin=/etc/apt/preferences.d/ostrelle-sid

mapfile -t missing < <(missing_packages "${packages[@]}")
mapfile -t missing_sid < <(missing_packages "${sid_packages[@]}")
# The unstable-suite source is needed only to install from that suite, so a
# machine with every package needs neither it nor root. A source that is
# there without its pin is mended, or apt would offer upgrades from sid.
unpinned=false
[ -f "$sid_list" ] && [ ! -f "$sid_pin" ] && unpinned=true
if [ ${#missing[@]} -eq 0 ] && [ ${#missing_sid[@]} -eq 0 ] && [ "$unpinned" = false ]; then
  exit 0
fi
become_root "$@"

mirror_uri() {
  local f=/etc/apt/sources.list.d/debian.sources
  if [ -f "$f" ]; then
    awk '/^URIs:/ && $2 !~ /security/ { print $2; exit }' "$f"
    return
  fi
  if [ -f /etc/apt/sources.list ]; then
    awk '$1 == "deb" && $0 !~ /security/ { for (i = 2; i <= NF; i++) if ($i ~ /:\/\//) { print $i; exit } }' /etc/apt/sources.list
  fi
}

if [ ${#missing_sid[@]} -gt 0 ] && [ ! -f "$sid_list" ]; then
  uri=$(mirror_uri)
  if [ -z "$uri" ]; then
    echo "setup: no Debian mirror found in the apt configuration" >&2
    exit 1
  fi
  echo "deb $uri sid main" > "$sid_list"
fi
if [ -f "$sid_list" ] && [ ! -f "$sid_pin" ]; then
  printf 'Package: *\nPin: release n=sid\nPin-Priority: 1\n' > "$sid_pin"
fi
if [ ${#missing[@]} -eq 0 ] && [ ${#missing_sid[@]} -eq 0 ]; then
  exit 0
fi

apt-get -q -o DPkg::Lock::Timeout=300 update
if [ ${#missing[@]} -gt 0 ]; then
  apt-get install "${apt_opts[@]}" "${missing[@]}"
fi
if [ ${#missing_sid[@]} -gt 0 ]; then
  apt-get install "${apt_opts[@]}" "${missing_sid[@]/%//sid}"
fi
