#!/usr/bin/env bash
# Start-up time of Helmbook to a shown window, and its peak memory, under Xvfb.
#
#   bench/startup-time.sh [log.mdb]     (needs xvfb-run and xdotool; the build in build/)
#
# Starts the program five times on a fresh temporary home (the example log, or the given log),
# reports the median time from start to the window being shown, and the peak resident memory
# (VmHWM) of the started program. It ends only the processes it started, by their PID.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
program=$root/build/bin/helmbook
log=${1:-}
run() {
    local home times=() peaks=() pid peak
    home=$(mktemp -d)
    mkdir -p "$home/Documents/Kelvane Software/helmbook" "$home/runtime"
    chmod 700 "$home/runtime"
    cp "$root/build/share/helmbook/"*.mdb "$home/Documents/Kelvane Software/helmbook/"
    if [ -n "$log" ]; then
        printf '[Paths]\nDBPath=%s\n' "$log" > "$home/Documents/Kelvane Software/helmbook/Helmbk.ini"
    fi
    for i in 1 2 3 4 5; do
        local start end
        start=$(date +%s%N)
        # Its own runtime folder: a Helmbook the user has open is neither raised nor disturbed.
        HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/runtime "$program" &
        pid=$!
        xdotool search --sync --onlyvisible --pid "$pid" --name '^Helmbook - ' > /dev/null
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000000 )))
        # Peak resident memory so far, in kB.
        peaks+=($(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status"))
        # Only the process this script started is ended.
        kill -TERM "$pid" 2> /dev/null || true
        wait "$pid" || true
    done
    peak=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
    printf 'start-up to shown window (ms): %s; median %s\n' "${times[*]}" \
        "$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)"
    printf 'peak memory: %s MB\n' $(( peak / 1024 ))
    rm -rf "$home"
}
run
