#!/usr/bin/env bash
# Grabs the review screenshots into docs/screenshots/ on the offscreen platform.
source "$(dirname "$0")/common.sh"
install_missing
configure_and_build
OUT="$ROOT/docs/screenshots"
mkdir -p "$OUT"
export QT_QPA_PLATFORM=offscreen
for scale in 1 1.5; do
  "$BUILD_DIR/tools/widget_demo" --scale "$scale" --screenshots "$OUT/widgets"
done
# Later areas add their own grabs below.
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tools/window_shots" "$OUT/window"
