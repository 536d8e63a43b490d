#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60) on its seed corpus. A crash, a sanitizer report or
# a leak fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=build-fuzz
cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DDRAVIK_FUZZ=ON -DDRAVIK_GUI=OFF -DDRAVIK_TESTS=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzzers
corpus=$dir/corpus
rm -rf "$corpus"
"$dir/fuzz/fuzz_seeds" "$corpus/container" "$corpus/image" "$corpus/teamlines" "$corpus/contents"
for src in fuzz/fuzz_*.cpp; do
  name=$(basename "$src" .cpp)
  exe=$dir/fuzz/$name
  case $name in
    *league_container*) seeds=$corpus/container ;;
    *league_plain*) seeds=$corpus/image ;;
    *league_contents*) seeds=$corpus/contents ;;
    *team*) seeds=$corpus/teamlines ;;
    *) seeds=$corpus/$name ;;
  esac
  mkdir -p "$seeds" "$corpus/found-$name"
  # The contents target reads a team, a few patches and commands: short
  # inputs. Each of them reaches some 20,000 coverage features, and the
  # entropic schedule's bookkeeping of them cost more than the input's run.
  max_len=400000
  options=()
  case $name in *league_contents*) max_len=4096; options=(-entropic=0 -reload=0) ;; esac
  echo "fuzzing $name for $seconds s"
  "$exe" "${options[@]}" -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=3072 -timeout=30 \
    -print_final_stats=1 "$corpus/found-$name" "$seeds" 2>&1 | tail -n 12
done
