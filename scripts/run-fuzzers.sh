#!/bin/sh
# Runs every fuzz target in the given folder for the given number of seconds,
# starting from its seed corpus; new inputs go to a scratch copy of the corpus.
set -e
dir=$1
seconds=${2:-30}
src=$(dirname "$0")/../fuzz/corpus
status=0
for target in "$dir"/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    work="$dir/corpus-$name"
    mkdir -p "$work"
    [ -d "$src/$name" ] && cp -r "$src/$name/." "$work/"
    # Rendering keeps fontconfig's caches alive until exit; they are not leaks
    # of ours, so leak checking is left to the targets that render nothing.
    leaks=1
    case $name in fuzz_device_image) leaks=0 ;; esac
    echo "== $name for ${seconds}s"
    if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=$leaks \
        "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -detect_leaks=$leaks \
        -artifact_prefix="$dir/$name-" "$work" 2>"$dir/$name.log"; then
        tail -40 "$dir/$name.log"
        status=1
    else
        tail -1 "$dir/$name.log"
    fi
done
exit $status
