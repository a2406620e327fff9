#!/bin/bash
# Kills saves at random moments: the project file must always read whole, as
# one of the two versions saved, and a killed save may leave at most one
# temporary file, which the next save takes over.
set -u
probe=$1
kills=${2:-40}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file=$dir/p.scw
"$probe" save-once "$file" || { echo "FAIL: the first save failed"; exit 1; }
for ((i = 1; i <= kills; i++)); do
    "$probe" save-loop "$file" &
    pid=$!
    # Past the start-up (Qt libraries load first), into the saves.
    sleep "0.$((RANDOM % 60 + 30))"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null
    if ! result=$("$probe" check "$file"); then
        echo "FAIL: after kill $i the project file is $result"
        exit 1
    fi
done
temps=$(find "$dir" -name '*.tmp' | wc -l)
if [ "$temps" -gt 1 ]; then
    echo "FAIL: $kills killed saves left $temps temporary files"
    exit 1
fi
"$probe" save-once "$file" || { echo "FAIL: the save after the kills failed"; exit 1; }
left=$(find "$dir" -type f ! -name p.scw | wc -l)
if [ "$left" -ne 0 ]; then
    echo "FAIL: a save after the kills left $left other files"
    exit 1
fi
echo "PASS: $kills saves killed, the project read whole every time, nothing left over"
