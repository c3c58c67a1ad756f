#!/usr/bin/env bash
# Installs what is missing, builds and starts the control panel.
# Arguments after -- go to the program, e.g. ./scripts/run.sh -- --simulated-device
source "$(dirname "$0")/common.sh"

install_missing
configure_and_build
if [ "${1:-}" = "--" ]; then shift; fi
exec "$BUILD_DIR/src/k93-panel" "$@"
