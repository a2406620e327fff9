#!/bin/bash
# Kills a window with unsaved changes: the next start offers the recovery
# copy with the time it was written, restores the change, and a save
# removes the copy.
set -u
probe=$1
dir=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_DATA_HOME=$dir/data XDG_CONFIG_HOME=$dir/config SCRIVLET_RECOVERY_INTERVAL_MS=200
copies=$XDG_DATA_HOME/Scrivlet/Scrivlet/recovery
file=$dir/p.scw
"$probe" save-once "$file" || { echo "FAIL: the project could not be written"; exit 1; }
"$probe" edit "$file" > "$dir/edit.out" &
pid=$!
for ((i = 0; i < 200; i++)); do
    ls "$copies"/project-*.scw > /dev/null 2>&1 && break
    sleep 0.1
done
if ! ls "$copies"/project-*.scw > /dev/null 2>&1; then
    echo "FAIL: no recovery copy was written in 20 seconds"
    cat "$dir/edit.out"
    exit 1
fi
case "$(ls -A "$dir")" in
    *.tmp*) echo "FAIL: a recovery copy was written beside the project"; exit 1 ;;
esac
sleep 0.5
kill -9 "$pid"
wait "$pid" 2>/dev/null
pid=
"$probe" restore > "$dir/restore.out" 2>&1
expect() {
    grep -qF -- "$1" "$dir/restore.out" || {
        echo "FAIL: expected \"$1\" in:"
        cat "$dir/restore.out"
        exit 1
    }
}
expect "question: Scrivlet was not closed properly. A recovery copy of $file was written on 20"
expect "project: $file topics 399 modified"
expect "copies after save: 0"
echo "PASS: the killed window's change was offered, restored and saved"
