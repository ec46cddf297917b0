#!/usr/bin/env bash
# Times brindlecut-split against the one-pass anchor: a single ffmpeg run with the same encoder settings whose
# segment muxer cuts the same sections. For 1, 5 and 20 equal sections of a 300-second 640x360 source it times
# the job with fast seek off, with fast seek on, the stream-copy profile, and the anchor, then prints the
# seconds, the ratios to the anchor and the stream copy's speed in multiples of real time.
#
# Usage: bench/split_bench.sh [BUILD_DIR]      (default: build; needs ffmpeg and a built brindlecut-split)
# REPEAT=n runs every case n times and keeps the fastest (default 1); LENGTH=n shortens the source and
# SECTIONS="1 5" times only those section counts, for quick checks.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
tool=$build/program/brindlecut-split
repeat=${REPEAT:-1}
length=${LENGTH:-300} # seconds; LENGTH=n makes a shorter source for a quick check
read -r -a sections_list <<< "${SECTIONS:-1 5 20}" # SECTIONS="1 5" times fewer rows
reencode_profile="MP4 - H.264 and AAC"
copy_profile="Settings of the source file."
# The re-encode rows and the anchor share this choice, so the encoder does the same work in both.
reencode_choice="Preset=Ultra Fast"

[ -x "$tool" ] || { echo "split_bench: build brindlecut-split first ($tool)" >&2; exit 1; }
ffmpeg=$(command -v ffmpeg) || { echo "split_bench: ffmpeg is needed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A program folder of the bench's own: the shipped profiles, no fixed output folder, and an encoder that notes
# its arguments before it hands over to ffmpeg, so the anchor can take the job's exact switches.
app=$work/app
mkdir -p "$app"
cp -r "$build/program/Profiles" "$app/"
printf '[Main]\nAptotic=0\n' > "$app/Preferences.ini"
cat > "$app/wmaspi.dll" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" > "$work/encoder-arguments"
exec "$ffmpeg" "\$@"
SCRIPT
chmod +x "$app/wmaspi.dll"

source=$work/source.mp4
echo "Making a ${length}-second 640x360 source..." >&2
"$ffmpeg" -y -v error -f lavfi -i "testsrc2=duration=$length:size=640x360:rate=25" \
  -f lavfi -i "sine=frequency=440:duration=$length" \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest "$source"

now() { echo "$EPOCHREALTIME"; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
fastest() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

# Runs the job once into a fresh folder and prints its seconds.
time_job() {
  local out=$work/out
  rm -rf "$out" && mkdir -p "$out"
  local start end
  start=$(now)
  "$tool" "$source" --app-dir "$app" --output-dir "$out" "$@" > /dev/null 2> "$work/job.log" ||
    { cat "$work/job.log" >&2; echo "split_bench: the job failed" >&2; exit 1; }
  end=$(now)
  elapsed "$start" "$end"
}

# The switches of the last re-encoding piece: everything between the length after "-t" and the output path.
job_switches() {
  awk 'found { print } $0 == "-t" { getline; found = 1 }' "$work/encoder-arguments" | sed '$d'
}

# One ffmpeg run over the whole source, cut into `sections` segments at the job's piece starts.
time_anchor() {
  local sections=$1
  local out=$work/anchor
  rm -rf "$out" && mkdir -p "$out"
  local -a switches=() muxer=()
  local previous=""
  while IFS= read -r argument; do
    # The container's own flags go to each segment's muxer; the encoder settings stay as they are.
    if [ "$previous" = "-movflags" ]; then
      unset 'switches[${#switches[@]}-1]'
      muxer=(-segment_format_options "movflags=$argument")
    else
      switches+=("$argument")
    fi
    previous=$argument
  done < <(job_switches)
  local -a cut=(-segment_time 1000000)
  if [ "$sections" -gt 1 ]; then
    local times
    times=$(awk -v n="$sections" -v l="$length" \
      'BEGIN { for (i = 1; i < n; i++) printf "%s%.15g", (i > 1 ? "," : ""), i * l / n }')
    cut=(-force_key_frames "$times" -segment_times "$times")
  fi
  local start end
  start=$(now)
  "$ffmpeg" -y -v error -i "$source" "${switches[@]}" "${cut[@]}" -f segment -reset_timestamps 1 "${muxer[@]}" \
    "$out/piece%03d.mp4"
  end=$(now)
  local written
  written=$(find "$out" -name 'piece*.mp4' | wc -l)
  if [ "$written" -ne "$sections" ]; then
    echo "split_bench: the anchor wrote $written segments, not $sections" >&2
    exit 1
  fi
  elapsed "$start" "$end"
}

rows=()
for sections in "${sections_list[@]}"; do
  exact="" fast="" copy="" anchor=""
  for ((run = 1; run <= repeat; run++)); do
    echo "$sections sections, run $run: exact seek, fast seek, stream copy, anchor..." >&2
    reencode=(--sections "$sections" --profile "$reencode_profile" --set "$reencode_choice")
    exact=$(fastest "$exact" "$(time_job "${reencode[@]}" --exact-seek)")
    fast=$(fastest "$fast" "$(time_job "${reencode[@]}" --fast-seek)")
    anchor=$(fastest "$anchor" "$(time_anchor "$sections")")
    copy=$(fastest "$copy" "$(time_job --sections "$sections" --profile "$copy_profile" --fast-seek)")
  done
  rows+=("$sections $exact $fast $copy $anchor")
done

echo
echo "Source: ${length} s, 640x360, 25 fps, H.264 and AAC. Re-encoding: \"$reencode_profile\" with $reencode_choice."
echo "Stream copy: \"$copy_profile\" with fast seek. Anchor: one ffmpeg run, segment muxer. Best of $repeat."
echo
printf '%s\n' "${rows[@]}" | awk -v l="$length" '
  BEGIN {
    printf "%8s %11s %11s %11s %11s %10s %10s %10s %12s\n", "sections", "exact s", "fast s", "copy s", "anchor s",
           "exact/anc", "fast/anc", "copy/anc", "copy speed"
  }
  {
    printf "%8d %11.2f %11.2f %11.2f %11.2f %10.2f %10.2f %10.3f %11.0fx\n", $1, $2, $3, $4, $5, $2 / $5, $3 / $5,
           $4 / $5, l / $4
  }'
