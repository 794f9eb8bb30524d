#!/usr/bin/env bash
# Fuzzes the readers of the two data files, each for SECONDS (default 60), on the committed
# seeds plus what earlier runs found. Needs clang-14 with its libFuzzer runtime
# (clang-14, libclang-rt-14-dev). `run.sh --seeds` rewrites the committed seed files.
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/fuzz
mkdir -p "$out"
cxx=${CXX_FUZZ:-clang++-14}
flags=(-std=c++20 -O1 -g -I. -Wall -Wextra -Werror)
sources=(records/high_scores.cpp records/windows1252.cpp records/data_files.cpp)

if [[ "${1:-}" == --seeds ]]; then
  "$cxx" "${flags[@]}" fuzz/make_corpus.cpp "${sources[@]}" -o "$out/make_corpus"
  "$out/make_corpus" fuzz/corpus
  exit 0
fi

seconds=${1:-60}
sanitizers=(-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

status=0
for target in options names; do
  "$cxx" "${flags[@]}" "${sanitizers[@]}" "fuzz/${target}_fuzz.cpp" "${sources[@]}" \
    -o "$out/${target}_fuzz"
  # New finds go to the first folder; the committed seeds stay as they are.
  mkdir -p "$out/corpus/$target" "$out/artifacts"
  echo "== $target: ${seconds}s"
  "$out/${target}_fuzz" "$out/corpus/$target" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/artifacts/$target-" 2>"$out/$target.log" || status=$?
  grep -E '^(stat::|#[0-9]+[[:space:]]+DONE)|property broken|ERROR|SUMMARY' "$out/$target.log" || true
done
exit "$status"
