# shellcheck shell=bash
# Debian packages the build, the tests and the demo need. Sourced.

# The host unit tests and fuzz targets need only the first line and cpp-httplib.
QM_HOST_PACKAGES=(cmake ninja-build g++ clang-14 libclang-rt-14-dev googletest libgtest-dev libcpp-httplib-dev)
QM_PACKAGES=(
  "${QM_HOST_PACKAGES[@]}"
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick nsis
  iproute2 iptables procps psmisc locales
)

# The system locales the test bed starts Quickmap under, one for each resource language variant
# (Wine takes its locale from LANG; a locale glibc does not know falls back to English).
QM_LOCALES=(
  en_US de_DE de_CH de_AT es_ES es_MX fr_FR fr_BE fr_CA fr_CH it_IT it_CH nl_NL nl_BE nb_NO nn_NO sv_SE
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

# Prints the locales of QM_LOCALES that glibc cannot load yet.
missing_locales() {
  local -A have=()
  local name
  while read -r name; do
    have[$name]=1
  done < <(locale -a 2>/dev/null)
  for name in "${QM_LOCALES[@]}"; do
    [[ -n ${have[$name.utf8]:-} ]] || echo "$name"
  done
}

# Generates the missing locales the Debian way (listed in /etc/locale.gen, built by locale-gen), so a later
# locale-gen keeps them; silent when all are there.
ensure_locales() {
  local missing name
  mapfile -t missing < <(missing_locales)
  ((${#missing[@]})) || return 0
  [[ $EUID -eq 0 ]] || { echo "locales: run as root to generate: ${missing[*]}" >&2; return 1; }
  echo "locales: generating ${missing[*]}" >&2
  for name in "${missing[@]}"; do
    if grep -Eq "^# *$name\.UTF-8 UTF-8" /etc/locale.gen; then
      sed -i -E "s/^# *($name\.UTF-8 UTF-8)/\1/" /etc/locale.gen
    elif ! grep -Eq "^$name\.UTF-8 UTF-8" /etc/locale.gen; then
      echo "$name.UTF-8 UTF-8" >>/etc/locale.gen
    fi
  done
  locale-gen >/dev/null
}
