#!/usr/bin/env bash
# Converts a short test video with every profile at every value of its parameter lists (one value
# changed at a time from the defaults) and checks each result with ffprobe. Slow: about 140 runs.
# usage: tools/coder/check-lists.sh [path/to/coder]
set -uo pipefail
coder=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build/vidlark/data/coder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -v error -nostdin -y -f lavfi -i testsrc2=s=176x144:r=12:d=4 -f lavfi -i sine=r=22050:d=4 \
    -pix_fmt yuv420p -c:v flv1 -c:a libmp3lame -b:a 32k -ac 1 "$work/in.flv" || exit 1
failed=0
check() { # extension kinds options...
    local out=$work/out.$1 kinds=$2
    shift 2
    rm -f "$out"
    if ! "$coder" -i "$work/in.flv" "$@" "$out" >"$work/log" 2>&1; then
        echo "FAIL $*: $(tail -n 1 "$work/log")"
        failed=1
        return
    fi
    local got duration
    got=$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 "$out" | sort -u | paste -sd,)
    duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$out")
    if [[ "$got" != "$kinds" ]] || ! awk -v d="$duration" 'BEGIN { exit !(d > 3.5 && d < 4.5) }'; then
        echo "FAIL $*: streams $got, duration $duration"
        failed=1
    else
        echo "ok   $*"
    fi
}
ab="32 48 64 80 96 128 256 4.75k 5.15k 5.9k 6.7k 7.4k 7.95k 10.2k 12.2k"
vbr="40 80 120 128 256 384 512 600 640 768 800 900 1000 1500"
sizes="128x96 160x120 176x144 320x180 320x240 352x288 640x272 480x480 640x360 640x480 720x306 720x320"
fps="14.985 23.975 25.0 29.97"
rates="48000 44100 32000 24000 22050 16000 12050 8000"
for v in $ab; do check mp3 audio -ar 48000 -y -ab "${v}k" -ac 2; done
for v in $rates; do check mp3 audio -ar "$v" -y -ab 96k -ac 2; done
for v in 1 0; do check mp3 audio -ar 48000 -y -ab 96k -ac "$v"; done
for v in $sizes; do check wmv audio,video -vcodec wmv2 -acodec wmav2 -r 25.0 -y -s "$v"; done
for v in $fps; do check wmv audio,video -vcodec wmv2 -acodec wmav2 -r "$v" -y -s 320x240; done
for v in $sizes; do check mov audio,video -y -s "$v"; done
for v in $vbr; do check mp4 audio,video -b "$v" -y -r 25.0 -s 320x240; done
for v in $sizes; do check mp4 audio,video -b 512 -y -r 25.0 -s "$v"; done
for v in $fps; do check mp4 audio,video -b 512 -y -r "$v" -s 320x240; done
amr=(-acodec libamr_nb -ar 8000 -ab)
for v in $ab; do check 3gp audio,video -b 120 -y -r 14.985 -s 176x144 "${amr[@]}" "$v"; done
for v in $vbr; do check 3gp audio,video -b "$v" -y -r 14.985 -s 176x144 "${amr[@]}" 4.75k; done
for v in $sizes; do check 3gp audio,video -b 120 -y -r 14.985 -s "$v" "${amr[@]}" 4.75k; done
for v in $fps; do check 3gp audio,video -b 120 -y -r "$v" -s 176x144 "${amr[@]}" 4.75k; done
for v in $sizes; do check mpg audio,video -r 25.0 -y -s "$v"; done
for v in $fps; do check mpg audio,video -r "$v" -y -s 320x240; done
exit $failed
