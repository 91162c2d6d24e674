#!/bin/sh
# Runs each libFuzzer target of a fuzz build on its starting inputs (fuzz/corpus/TARGET) for a few
# seconds: a crash, a hang, a leak or a sanitizer report fails the run and leaves the input that
# caused it in the current folder. Usage: fuzz-smoke.sh BUILD_FOLDER [SECONDS]
set -e
build=$1
seconds=${2:-10}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    mkdir -p "$work/$name"
    dict=""
    [ -f "$here/fuzz/$name.dict" ] && dict="-dict=$here/fuzz/$name.dict"
    echo "$name: ${seconds} s on fuzz/corpus/$name"
    # The first folder takes what the run finds; the starting inputs are only read.
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
        $dict "$work/$name" "$here/fuzz/corpus/$name" >"$work/$name.log" 2>&1 || {
        tail -n 60 "$work/$name.log"
        echo "$name failed"
        exit 1
    }
done
