#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine.
# Idempotent: a second run changes nothing. Runs as root, or through sudo.
set -euo pipefail
source "$(dirname "$0")/apt_common.sh"
run_as_root "$@"

# The two packages Debian 12 lacks come from the unstable suite, on the same
# mirror the machine already uses; a priority-1 pin keeps everything else on
# bookworm.
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

sid_list=/etc/apt/sources.list.d/ostrelle-sid.list
sid_pin=/etc/apt/preferences.d/ostrelle-sid
changed=0
if [ ! -f "$sid_list" ]; then
  uri=$(mirror_uri)
  if [ -z "$uri" ]; then
    echo "setup: no Debian mirror found in the apt configuration" >&2
    exit 1
  fi
  echo "deb $uri sid main" > "$sid_list"
  changed=1
fi
if [ ! -f "$sid_pin" ]; then
  printf 'Package: *\nPin: release n=sid\nPin-Priority: 1\n' > "$sid_pin"
  changed=1
fi

packages=(
  build-essential cmake pkg-config ninja-build
  libglfw3-dev libx11-dev libepoxy-dev libstb-dev fonts-roboto-unhinted
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick libgl1-mesa-dri
  pulseaudio pulseaudio-utils sox
  iproute2 util-linux x11-apps
)
sid_packages=(libminiaudio-dev libnanovg-dev)

mapfile -t missing < <(missing_packages "${packages[@]}" "${sid_packages[@]}")

if [ ${#missing[@]} -gt 0 ] || [ "$changed" -eq 1 ]; then
  apt-get -q -o DPkg::Lock::Timeout=300 update
  apt-get install "${apt_opts[@]}" "${packages[@]}"
  apt-get install "${apt_opts[@]}" "${sid_packages[@]/%//sid}"
fi
