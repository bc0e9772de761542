#!/bin/sh
# A wave export killed (kill -9) while it writes: the earlier file of that name stays as it
# was, and the next export puts its file in place and removes the temporary left behind.
# Arguments: lyrasta-cli, the data folder, a settings file, a scratch folder.
set -eu
cli=$1 data=$2 settings=$3 dir=$4
rm -rf "$dir"
mkdir -p "$dir"
printf 'the earlier export' > "$dir/out.wav"
temporaries() { ls -A "$dir" | grep -c '^\.out\.wav\.lyrasta-.*\.tmp$' || true; }

"$cli" sing --data "$data" --settings "$settings" --section R1=GEN1:1-3:24 --range section \
    --wav "$dir/out.wav" >/dev/null 2>&1 &
pid=$!
tries=0
while [ "$(temporaries)" -eq 0 ]; do
    tries=$((tries + 1))
    if [ $tries -gt 1200 ] || ! kill -0 $pid 2>/dev/null; then
        echo "the export never started writing"
        kill -9 $pid 2>/dev/null || true
        exit 1
    fi
    sleep 0.1
done
sleep 0.5
kill -9 $pid
wait $pid 2>/dev/null || true
if [ "$(cat "$dir/out.wav")" != "the earlier export" ]; then
    echo "the earlier file was changed by the killed export"
    exit 1
fi
[ "$(temporaries)" -eq 1 ] || { echo "the killed export left no temporary to clean"; exit 1; }

"$cli" sing --data "$data" --settings "$settings" --section R1=GEN1:1-1:1 --wav "$dir/out.wav" >/dev/null
left=$(ls -A "$dir" | grep -v '^out\.wav$' || true)
if [ -n "$left" ]; then
    echo "left behind after the next export: $left"
    exit 1
fi
[ "$(head -c 4 "$dir/out.wav")" = "RIFF" ] || { echo "the next export is not a wave file"; exit 1; }
echo "ok"
