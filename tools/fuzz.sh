#!/usr/bin/env bash
# Builds the native fuzz targets (tests/fuzz: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for a fixed number of executions from
# its seeds. A crash, a leak, a hang of more than 20 s on one input or a single allocation of
# more than 300 MB stops the run with the input kept in build/fuzz/findings. Runs come from
# VELMO_FUZZ_RUNS (default 200000; the PhotoCD decoder, whose every input is 1 MiB, gets a
# hundredth).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/fuzz
runs=${VELMO_FUZZ_RUNS:-200000}

[ -f "$build/build.ninja" ] || cmake -S "$top/tests/fuzz" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
rm -rf "$build/seeds"
python3 "$top/tests/fuzz/make_seeds.py" "$build/seeds"
mkdir -p "$build/findings"

# target, seed folder, largest input, executions
targets=(
  "fuzz_entry_name names 4096 $runs"
  "fuzz_data_spans spans 4096 $runs"
  "fuzz_zip_reader zip 16384 $runs"
  "fuzz_decode_picture pictures 16384 $runs"
  "fuzz_decode_jpeg pictures 16384 $runs"
  "fuzz_decode_bmp pictures 16384 $runs"
  "fuzz_decode_tiff pictures 16384 $runs"
  "fuzz_decode_png pictures 16384 $runs"
  "fuzz_decode_pcx pictures 16384 $runs"
  "fuzz_decode_to_bgr pictures 16384 $runs"
  "fuzz_decode_photocd photocd 1100000 $((runs / 100))"
)
for line in "${targets[@]}"; do
  read -r target seeds max_len count <<<"$line"
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  echo "fuzz: $target, $count runs"
  (cd "$build/findings" && "$build/$target" -runs="$count" -max_len="$max_len" -timeout=20 -malloc_limit_mb=300 \
    -rss_limit_mb=2048 -print_final_stats=1 "$corpus" "$build/seeds/$seeds" 2>"$build/$target.log") || {
    tail -n 40 "$build/$target.log" >&2
    echo "fuzz: $target failed; the input is in $build/findings" >&2
    exit 1
  }
  grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true
done
echo "fuzz: every target ran clean"
