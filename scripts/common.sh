# Shared by scripts/run and scripts/test (sourced, not run).
#
# After sourcing: $root is the repository, $build the 64-bit build folder and
# WINEPREFIX the private Wine prefix inside it.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"

# configure DIR TRIPLE [cmake options...]
# Configures DIR with Ninja and the toolchain for TRIPLE (quiet unless it
# fails). Optimised builds show the most warnings; ORV_BUILD_TYPE overrides.
configure() {
  local dir="$1" triple="$2"
  shift 2
  mkdir -p "$dir"
  if ! cmake -G Ninja -S "$root" -B "$dir" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/Toolchain-$triple.cmake" \
      -DCMAKE_BUILD_TYPE="${ORV_BUILD_TYPE:-Release}" "$@" >"$dir/configure.log" 2>&1; then
    cat "$dir/configure.log" >&2
    echo "configuring $dir failed" >&2
    return 1
  fi
}

# Starts Xvfb on a display number it picks itself and exports DISPLAY.
xvfb_pid=""
start_xvfb() {
  local fd_file
  mkdir -p "$build"
  fd_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >"$build/xvfb.log" 2>&1 &
  xvfb_pid=$!
  # Not the shell's job any more: no "Terminated" line when it is stopped.
  disown "$xvfb_pid"
  local waited=0
  until [ -s "$fd_file" ]; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $waited -ge 100 ]; then
      echo "Xvfb did not start; see $build/xvfb.log" >&2
      rm -f "$fd_file"
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
}

stop_xvfb() {
  [ -n "$xvfb_pid" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  local waited=0
  while kill -0 "$xvfb_pid" 2>/dev/null && [ $waited -lt 50 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  xvfb_pid=""
}

# Ends every Wine process of the private prefix (and only of it).
stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
