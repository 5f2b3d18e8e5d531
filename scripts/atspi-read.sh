#!/usr/bin/env bash
# Starts Marklow on the sample class in a virtual X server with the accessibility bus and
# prints what a screen reader is told (scripts/atspi_read.py). Needs xvfb, openbox,
# at-spi2-core and python3-pyatspi. Usage: scripts/atspi-read.sh [build-dir [gradebook]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
file=${2:-data/sample-class.gbd}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_RUNTIME_DIR="$home"
xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  sleep 1
  openbox >/dev/null 2>&1 &
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1/src/app/marklow" "$2" &
  app=$!
  sleep 6
  status=0
  timeout 60 /usr/bin/python3 scripts/atspi_read.py || status=$?
  kill "$app"
  exit $status
' atspi-read "$build" "$file"
