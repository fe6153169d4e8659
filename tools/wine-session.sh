#!/bin/sh
# The Wine session the Windows test executables run in (WINEPREFIX, WINEDEBUG and DISPLAY come from
# the caller).
#   start: a persistent wineserver, so that each program start costs tens of milliseconds rather
#          than a second, and the prefix, created on the first start (about half a minute).
#   stop:  ends the wineserver and every Wine process of the prefix.
# Every output goes to a log: processes Wine leaves running must not hold the caller's pipes open.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the prefix folder}"
log="${WINEPREFIX}.log"
case "${1:-}" in
  start)
    mkdir -p "$WINEPREFIX"
    # A server left running by an interrupted run would refuse the new one: end it first.
    if ! { wineserver -k 2>/dev/null || true; wineserver -p && wine cmd.exe /c exit; } </dev/null >"$log" 2>&1; then
      cat "$log" >&2
      echo "wine-session: cannot start Wine with the prefix $WINEPREFIX" >&2
      exit 1
    fi
    ;;
  stop)
    wineserver -k </dev/null >>"$log" 2>&1 || true
    ;;
  *)
    echo "usage: WINEPREFIX=... $0 start|stop" >&2
    exit 2
    ;;
esac
