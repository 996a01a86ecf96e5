# Shared by the set-up scripts (sourced, not run).
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-y -q -o DPkg::Lock::Timeout=300 --no-install-recommends)

# Prints those of the named packages that are not installed.
missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

is_installed() { [ -z "$(missing_packages "$@")" ]; }

# Runs the calling script again as root. Called only once the script knows
# that something is missing, so a machine that has everything is never asked
# for a password.
become_root() {
  [ "$(id -u)" -eq 0 ] && return
  if ! command -v sudo >/dev/null; then
    echo "$(basename "$0"): installing needs root, and sudo is not installed; run it as root" >&2
    exit 1
  fi
  echo "$(basename "$0"): installing what is missing needs root" >&2
  exec sudo -E bash "$0" "$@"
}
