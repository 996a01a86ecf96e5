#!/usr/bin/env bash
# Installs the Windows cross toolchain and Wine, and builds GLFW for Windows
# from Debian's own source package into a cache that later runs reuse.
# Idempotent; asks for root only when something is missing.
set -euo pipefail
source "$(dirname "$0")/apt_common.sh"

src_list=/etc/apt/sources.list.d/ostrelle-bookworm-src.sources
packages=(g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev xdotool)
cache=${OSTRELLE_CACHE:-/var/cache/ostrelle}
prefix=$cache/glfw-mingw
mapfile -t missing < <(missing_packages "${packages[@]}")
# The source entry is needed only to build GLFW into an empty cache.
if [ ${#missing[@]} -eq 0 ] && [ -f "$prefix/lib/libglfw3.a" ]; then
  exit 0
fi
become_root "$@"

# Source packages come from the mirror the machine already uses, with the same key.
write_source_entry() {
  local f=/etc/apt/sources.list.d/debian.sources
  if [ -f "$f" ]; then
    awk 'BEGIN { RS = ""; FS = "\n" }
         $0 !~ /security/ && $0 ~ /URIs:/ {
           for (i = 1; i <= NF; i++) if ($i ~ /^(URIs|Signed-By):/) print $i
           exit }' "$f" > "$1.tmp"
    { echo "Types: deb-src"; echo "Suites: bookworm"; echo "Components: main"; cat "$1.tmp"; } > "$1"
    rm -f "$1.tmp"
  else
    awk '$1 == "deb" && $0 !~ /security/ { sub(/^deb /, "deb-src "); print; exit }' /etc/apt/sources.list > "$1"
  fi
}

if [ ! -f "$prefix/lib/libglfw3.a" ] && [ ! -f "$src_list" ]; then
  write_source_entry "$src_list"
  missing+=(update)
fi
if [ ${#missing[@]} -gt 0 ]; then
  apt-get -q -o DPkg::Lock::Timeout=300 update
  apt-get install "${apt_opts[@]}" "${packages[@]}"
fi

if [ ! -f "$prefix/lib/libglfw3.a" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && apt-get source -q --download-only glfw3 >/dev/null && dpkg-source -x glfw3_*.dsc src >/dev/null)
  cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$(cd "$(dirname "$0")/.." && pwd)/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DGLFW_BUILD_EXAMPLES=OFF -DGLFW_BUILD_TESTS=OFF -DGLFW_BUILD_DOCS=OFF -DBUILD_SHARED_LIBS=OFF >/dev/null
  cmake --build "$work/build" >/dev/null
  cmake --install "$work/build" >/dev/null
fi
