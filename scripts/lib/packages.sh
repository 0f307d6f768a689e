# shellcheck shell=bash
# Debian packages the build, the tests and the demo need. Sourced.

# The host unit tests and fuzz targets need only the first line and cpp-httplib.
QM_HOST_PACKAGES=(cmake ninja-build g++ clang-14 libclang-rt-14-dev googletest libgtest-dev libcpp-httplib-dev)
QM_PACKAGES=(
  "${QM_HOST_PACKAGES[@]}"
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick
  iproute2 iptables procps psmisc
)

# missing_packages [PACKAGE...]: prints those not installed (all of QM_PACKAGES by default).
missing_packages() {
  local -A installed=()
  local pkg status wanted=("$@")
  ((${#wanted[@]})) || wanted=("${QM_PACKAGES[@]}")
  # One query for all: unknown names only add a complaint on stderr.
  while read -r pkg status; do
    [[ $status == installed ]] && installed[${pkg%%:*}]=1
  done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${wanted[@]}" 2>/dev/null || true)
  for pkg in "${wanted[@]}"; do
    [[ -n ${installed[$pkg]:-} ]] || echo "$pkg"
  done
}

# ensure_packages [PACKAGE...]: installs what is missing; silent when everything is there already.
ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  ((${#missing[@]})) || return 0
  [[ $EUID -eq 0 ]] || { echo "packages: run as root to install: ${missing[*]}" >&2; return 1; }
  # Another apt run (e.g. the machine's provisioning) holds the dpkg lock.
  while pgrep -x apt-get >/dev/null || pgrep -x dpkg >/dev/null; do sleep 5; done
  mapfile -t missing < <(missing_packages "$@")
  ((${#missing[@]})) || return 0
  echo "packages: installing ${missing[*]}" >&2
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}
