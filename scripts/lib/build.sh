# shellcheck shell=bash
# Configures (when needed) and builds both CMake presets. Sourced.

QM_REPO=${QM_REPO:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}

# Ninja re-runs CMake by itself when a CMakeLists.txt changes; only a missing
# build tree or a changed preset/toolchain file needs an explicit configure.
preset_needs_configure() {
  local cache=$QM_REPO/build/$1/CMakeCache.txt
  [[ -f $QM_REPO/build/$1/build.ninja && -f $cache ]] || return 0
  [[ $QM_REPO/CMakePresets.json -nt $cache ]] && return 0
  local toolchain
  for toolchain in "$QM_REPO"/cmake/*.cmake; do
    [[ -e $toolchain && $toolchain -nt $cache ]] && return 0
  done
  return 1
}

build_preset() {
  local preset=$1
  if preset_needs_configure "$preset"; then
    (cd "$QM_REPO" && cmake --preset "$preset" >/dev/null) || return 1
  fi
  (cd "$QM_REPO" && cmake --build --preset "$preset")
}

build_all() {
  build_preset host && build_preset windows
}
