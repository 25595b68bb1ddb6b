#!/usr/bin/env bash
# Builds the media fuzzer with clang's libFuzzer and runs it a bounded number of times on a corpus seeded
# with the game's own music and sounds. Skips (exit 77) where clang's fuzzer runtime is missing.
# Usage: run_fuzz.sh SOURCE_DIR MEDIA_DIR WORK_DIR RUNS
set -euo pipefail
src=$1 media=$2 work=$3 runs=${4:-40000}
command -v clang++ >/dev/null || { echo "clang++ missing: fuzzing skipped"; exit 77; }
rm -rf "$work/corpus"
mkdir -p "$work/corpus"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fPIC -I"$src")
if ! clang++ "${flags[@]}" "$src/tests/fuzz/fuzz_media.cpp" "$src/runtime/audioengine.cpp" \
    $(pkg-config --cflags --libs Qt6Core fluidsynth sndfile sdl2) -o "$work/fuzz_media" 2>"$work/build.log"; then
  if grep -q "libclang_rt.fuzzer\|cannot find -l\|fsanitize=fuzzer" "$work/build.log"; then
    echo "libFuzzer runtime missing: fuzzing skipped"; exit 77
  fi
  cat "$work/build.log"; exit 1
fi
# Seeds: every generated file, prefixed with the byte that selects its loader.
for f in "$media"/*.wav; do { printf '\x00'; head -c 200000 "$f"; } > "$work/corpus/$(basename "$f")"; done
for f in "$media"/*.mid; do { printf '\x01'; cat "$f"; } > "$work/corpus/$(basename "$f")"; done
cd "$work"
# A fixed seed and a fixed number of runs: the same inputs every time, so a run that passed here passes
# in CI too; the time limit only guards a slower machine.
ASAN_OPTIONS=detect_leaks=1 ./fuzz_media -seed=20261206 -runs="$runs" -max_total_time=300 -rss_limit_mb=2048 \
  -max_len=300000 -timeout=20 -print_final_stats=1 corpus 2>&1 | tail -15
