#!/usr/bin/env bash
# Kills a program that saves a large diary over and over with SIGKILL at
# random moments, and after every kill checks that the diary on disk is
# whole (one of the two versions, byte for byte) and counts the temporary
# files left beside it. Not part of `make test`; it runs for several minutes.
#   scripts/kill-speichern.sh [KILLS] [TAGE]     (build first: make build)
set -uo pipefail
cd "$(dirname "$0")/.."
KILLS=${1:-300}
TAGE=${2:-100000}
BIN=${BIN:-build/bench/bench_daten}
Ordner=$(mktemp -d)
Datei=$Ordner/Tagebuch.MRV
beschaedigt=0
reste=0
for ((i = 1; i <= KILLS; i++)); do
  rm -f "$Datei.bereit"
  "$BIN" --dauerspeichern "$Datei" "$TAGE" &
  pid=$!
  until [ -e "$Datei.bereit" ]; do
    kill -0 $pid 2>/dev/null || { echo "the saving program ended early" >&2; exit 1; }
    sleep 0.01
  done
  # Anywhere in the next one to four saves.
  sleep "$(awk -v r=$RANDOM -v t="$TAGE" 'BEGIN { printf "%.3f", (r / 32768) * t * 0.000013 }')"
  kill -9 $pid
  wait $pid 2>/dev/null
  if ! cmp -s "$Datei" "$Datei.a" && ! cmp -s "$Datei" "$Datei.b"; then
    beschaedigt=$((beschaedigt + 1))
    echo "kill $i: the diary is damaged ($(stat -c %s "$Datei" 2>/dev/null || echo missing) bytes)"
  fi
  n=$(find "$Ordner" -maxdepth 1 -name '.Tagebuch.MRV.merovan-*' | wc -l)
  reste=$((reste + n))
done
# One more save, as the user's next Ctrl+S: it removes what the kills left.
"$BIN" --dauerspeichern "$Datei" "$TAGE" 0 || echo "the last save failed"
danach=$(find "$Ordner" -maxdepth 1 -name '.Tagebuch.MRV.merovan-*' | wc -l)
echo "$KILLS kills during saves of a $(stat -c %s "$Datei.a")-byte diary: $beschaedigt damaged," \
     "$reste temporary files seen right after a kill, $danach left after the next save"
rm -rf "$Ordner"
