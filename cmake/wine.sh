#!/bin/sh
# Wine as the test emulator of the win32 build.
#   wine.sh run PROGRAM [ARGS...]   run a Windows program
#   wine.sh start BUILD_DIR         start one persistent wineserver for a test run
#   wine.sh stop BUILD_DIR          stop it
# The prefix, HOME and TMPDIR live in the build folder, so that server and clients meet
# and nothing outside the build is touched.
set -eu

setup_env() {
  root=$1
  export WINEPREFIX="$root/wine-prefix"
  export HOME="$root/wine-home"
  export TMPDIR="$root/wine-tmp"
  export WINEDEBUG="${WINEDEBUG:--all,err+module}"
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  mkdir -p "$HOME" "$TMPDIR" "$WINEPREFIX"
}

# The build folder is the nearest ancestor of the program that holds CMakeCache.txt.
build_root_of() {
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || { echo "wine.sh: no build folder above $1" >&2; exit 2; }
  echo "$dir"
}

command=$1
shift
case "$command" in
  run)
    setup_env "$(build_root_of "$1")"
    exec wine "$@"
    ;;
  start)
    setup_env "$1"
    # Detached from every pipe: a server holding ctest's output open would hang the run.
    wineserver -p </dev/null >/dev/null 2>&1 || true  # already running is fine
    wine wineboot </dev/null >/dev/null 2>&1
    ;;
  stop)
    setup_env "$1"
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    ;;
  *)
    echo "usage: wine.sh run PROGRAM [ARGS...] | start BUILD_DIR | stop BUILD_DIR" >&2
    exit 2
    ;;
esac
