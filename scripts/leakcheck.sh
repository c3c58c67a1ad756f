#!/usr/bin/env bash
# Runs the end-to-end connection test under valgrind's leak checker: a device
# connected, pulled and connected again must leave nothing definitely lost.
# Not part of CI (slow).
source "$(dirname "$0")/common.sh"
install_missing valgrind
configure_and_build
export QT_QPA_PLATFORM=offscreen
exec valgrind --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=3 --num-callers=30 \
  "$BUILD_DIR/tests/tests_mainwindow" ConnectionTest "$@"
