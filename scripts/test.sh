#!/usr/bin/env bash
# Installs what is missing, builds warning-free and runs every test.
# Extra arguments go to ctest, e.g. ./scripts/test.sh -R '^widgets'
source "$(dirname "$0")/common.sh"

install_missing
configure_and_build -DK93_WERROR=ON -DK93_BUILD_TESTS=ON
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest -j "$JOBS" --output-on-failure --timeout 300 "$@"
