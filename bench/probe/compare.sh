#!/bin/sh
# Times waylume-probe, ffprobe and exiftool over the same simulated recordings.
#
#   bench/probe/compare.sh [BUILD_DIR] [COUNT]
#
# Writes COUNT (default 100) recordings with real video, the GPS arrangements taking turns
# (MP4 and MOV alternating, H.264 and H.265 alternating), warms the page cache, then runs
# each tool once per file and prints the wall times and their ratios. exiftool and
# waylume-probe are also run once over all files, since start-up dominates a per-file run.
# The machine's load average is printed with the figures: they mean little without it.
#
# With WAYLUME_COMPARE_DIR set, the recordings are written there (and kept), or reused when
# the folder already holds them, so that two builds can be compared on the same files.
set -eu

build=${1:-build}
count=${2:-100}
bin=$build/bin
for tool in "$bin/waylume-probe" "$bin/waylume-simulate"; do
    [ -x "$tool" ] || { echo "missing $tool (build waylume-probe and waylume-simulate)" >&2; exit 1; }
done
for tool in ffprobe exiftool ffmpeg; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

if [ -n "${WAYLUME_COMPARE_DIR:-}" ]; then
    work=$WAYLUME_COMPARE_DIR
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT INT TERM
fi

set -- AmbarellaTrack GpsBoxTable FreeGpsAudio Gps0Box SStarTrack GpsMetaTrack \
       AviGpslBlock AviAudioChunks JldvAudio
kinds=$#
i=0
[ "$(ls "$work" | wc -l)" -eq "$count" ] && i=$count # reuse what an earlier run wrote
[ "$i" -lt "$count" ] && echo "writing $count recordings to $work ..."
while [ "$i" -lt "$count" ]; do
    n=$((i % kinds + 1))
    eval kind=\${$n}
    round=$((i / kinds))
    case $kind in
        Avi*) ext=avi ;;
        *) if [ $((round % 2)) -eq 0 ]; then ext=mp4; else ext=mov; fi ;;
    esac
    if [ $((i % 2)) -eq 0 ]; then codec=h264; else codec=h265; fi
    records=30
    [ "$kind" = JldvAudio ] && records=60
    "$bin/waylume-simulate" --kind "$kind" --records "$records" --duration 30 \
        --size 320x240 --fps 25 --codec "$codec" --real-video --seed "$i" \
        --created 2024-05-17T08:30:00 "$work/$(printf '%03d' "$i")_$kind.$ext"
    i=$((i + 1))
done

files=$(ls "$work"/*)
cat $files >/dev/null # warm cache for every tool alike

now() { date +%s%N; }
# The CPU time (user + system, seconds) of every child this shell has waited for so far,
# from the shell's own `times`: on a shared machine it says more than the wall time.
cpu_mark() { times >"$work.times"; }
cpu_read() { awk 'NR == 2 { t = 0; for (i = 1; i <= 2; i++) { split($i, p, "m"); t += p[1] * 60 + p[2] } print t }' "$work.times"; }
# Takes the mark in this shell (a command substitution would read its own children).
cpu_mark_since() { cpu_mark; awk -v a="$1" -v b="$(cpu_read)" 'BEGIN { printf "%.3f", b - a }' >"$work.span"; }

found=0
cpu_mark; c=$(cpu_read)
start=$(now)
for f in $files; do
    "$bin/waylume-probe" "$f" >"$f.json"
done
probe_ns=$(($(now) - start))
cpu_mark_since "$c"; probe_cpu=$(cat "$work.span")
for f in $files; do
    grep -q '"kind": "GpsNone"' "$f.json" || found=$((found + 1))
done
rm -f "$work"/*.json
files=$(ls "$work"/*)

cpu_mark; c=$(cpu_read)
start=$(now)
"$bin/waylume-probe" $files >"$work.jsonl"
all_ns=$(($(now) - start))
cpu_mark_since "$c"; all_cpu=$(cat "$work.span")
all_found=$(grep -vc '"kind":"GpsNone"' "$work.jsonl" || true)
rm -f "$work.jsonl"

cpu_mark; c=$(cpu_read)
start=$(now)
for f in $files; do
    ffprobe -v error -show_format -show_streams "$f" >/dev/null
done
ffprobe_ns=$(($(now) - start))
cpu_mark_since "$c"; ffprobe_cpu=$(cat "$work.span")

cpu_mark; c=$(cpu_read)
start=$(now)
for f in $files; do
    exiftool -ee "$f" >/dev/null
done
exiftool_ns=$(($(now) - start))
cpu_mark_since "$c"; exiftool_cpu=$(cat "$work.span")

cpu_mark; c=$(cpu_read)
start=$(now)
exiftool -ee $files >/dev/null
batch_ns=$(($(now) - start))
cpu_mark_since "$c"; batch_cpu=$(cat "$work.span")
rm -f "$work.times" "$work.span"

load=$(cut -d' ' -f1-3 /proc/loadavg)
awk -v n="$count" -v found="$found" -v p="$probe_ns" -v f="$ffprobe_ns" -v e="$exiftool_ns" \
    -v b="$batch_ns" -v a="$all_ns" -v afound="$all_found" -v load="$load" \
    -v pc="$probe_cpu" -v ac="$all_cpu" -v fc="$ffprobe_cpu" -v ec="$exiftool_cpu" \
    -v bc="$batch_cpu" 'BEGIN {
    printf "files: %d (waylume-probe found GPS in %d, in one run %d); load average %s\n",
           n, found, afound, load
    printf "%-36s %9s %9s\n", "", "wall s", "cpu s"
    printf "%-36s %9.3f %9.3f\n", "waylume-probe, one run per file", p / 1e9, pc
    printf "%-36s %9.3f %9.3f\n", "waylume-probe, one run for all", a / 1e9, ac
    printf "%-36s %9.3f %9.3f\n", "ffprobe -show_format -show_streams", f / 1e9, fc
    printf "%-36s %9.3f %9.3f\n", "exiftool -ee, one run per file", e / 1e9, ec
    printf "%-36s %9.3f %9.3f\n", "exiftool -ee, one run for all", b / 1e9, bc
    printf "ratios (wall): ffprobe/probe %.1f, exiftool/probe %.1f (batch %.1f), exiftool/ffprobe %.1f\n",
           f / p, e / p, b / p, e / f
    printf "one probe run for all (wall): exiftool batch/probe %.1f, ffprobe runs/probe %.1f\n",
           b / a, f / a
    if (ac > 0)
        printf "one probe run for all (cpu):  exiftool batch/probe %.1f, ffprobe runs/probe %.1f\n",
               bc / ac, fc / ac
}'
