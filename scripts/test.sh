#!/usr/bin/env bash
# Builds Tirelou with warnings as errors and runs every test (the GUI tests off screen).
EXTRA_PACKAGES="poppler-utils" CMAKE_EXTRA="-DTIRELOU_WERROR=ON"
source "$(dirname "$0")/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
