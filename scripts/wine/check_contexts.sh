#!/bin/bash
# Opens a built help file in Wine's help viewer once per context string and
# checks, from the viewer's own debug trace, that the topic was found by its
# context and its title was drawn.
#
#   check_contexts.sh FILE.hlp CONTEXTS.txt [OUT_FOLDER]
#
# CONTEXTS.txt holds "context<TAB>title" lines. Needs wine, Xvfb and
# ImageMagick's import (for a picture of each of the first few topics).
# Prints one line per context and a summary; exit status 1 when any failed.
set -u
hlp=$(readlink -f "$1")
list=$2
out=${3:-./winhlp-check}
mkdir -p "$out"
export WINEPREFIX=${WINEPREFIX:-$out/prefix}
export WINEDEBUG=+winhelp
export DISPLAY=${DISPLAY_FOR_CHECK:-:57}
if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
    sleep 2
fi
[ -d "$WINEPREFIX" ] || wine wineboot -i >/dev/null 2>&1
wineserver -p 60 2>/dev/null
# Wine now and then fails to start a program at all; such runs are retried.
start_failed() {
    grep -qE "could not be started|failed to map the shared user data" "$1"
}
passed=0
failed=0
shots=${SHOTS:-3}
n=0
while IFS=$'\t' read -r context title; do
    [ -n "$context" ] || continue
    n=$((n + 1))
    log="$out/$context.log"
    ok=0
    for _ in 1 2; do
        wine winhlp32 -i "$context" "$hlp" >"$log" 2>&1 &
        viewer=$!
        for _ in $(seq 1 60); do
            sleep 0.25
            if grep -q "Got text: \"$title\"" "$log"; then
                ok=1
                break
            fi
            start_failed "$log" && break
        done
        if [ "$ok" = 1 ] || ! start_failed "$log"; then
            break
        fi
        wait "$viewer" 2>/dev/null
    done
    if [ "$ok" = 1 ] && [ "$n" -le "$shots" ]; then
        sleep 1
        import -window root "$out/$context.png" 2>/dev/null
    fi
    # Only this check's viewer: others may be open on other displays.
    pkill -f -- "winhlp32.exe -i $context $hlp" 2>/dev/null
    wait "$viewer" 2>/dev/null
    if [ "$ok" = 1 ] && grep -q "HLPFILE_PageByHash" "$log"; then
        passed=$((passed + 1))
        echo "ok      $context  $title"
        rm -f "$log"
    else
        failed=$((failed + 1))
        echo "FAILED  $context  $title (trace in $log)"
    fi
done <"$list"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
