#!/usr/bin/env bash
# Starts the real program on a virtual X display, lets it paint, asks it to close
# and expects it to end with status 0.
set -u
program=$1
exec timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$0" & pid=$!
  sleep 3
  kill -0 $pid || { echo "brackwell ended early"; exit 1; }
  kill -TERM $pid
  wait $pid
' "$program"
