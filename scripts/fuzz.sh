#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each for a while.
#   ./scripts/fuzz.sh [seconds per target, default 60] [target name ...]
# Not part of CI.
source "$(dirname "$0")/common.sh"
install_missing clang libclang-rt-14-dev
SECONDS_PER_TARGET="${1:-60}"; shift || true
FUZZ_DIR="$ROOT/build-fuzz"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DK93_FUZZ=ON -DK93_BUILD_TESTS=OFF
cmake --build "$FUZZ_DIR" -j "$JOBS"
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  for f in "$ROOT"/fuzz/*_fuzz.cpp; do [ -e "$f" ] && targets+=("$(basename "$f" .cpp)"); done
fi
for t in "${targets[@]}"; do
  corpus="$FUZZ_DIR/corpus/$t"; mkdir -p "$corpus"
  seeds="$ROOT/fuzz/seeds/$t"; [ -d "$seeds" ] || seeds=""
  echo "== $t for ${SECONDS_PER_TARGET}s"
  QT_QPA_PLATFORM=offscreen "$FUZZ_DIR/$t" -max_total_time="$SECONDS_PER_TARGET" "$corpus" $seeds
done
