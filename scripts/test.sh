#!/usr/bin/env bash
# Builds Tirelou in build-tests/ with warnings as errors and runs every test (the GUI tests
# off screen). Its own folder keeps -Werror out of the program's build/.
BUILD_DIR=build-tests EXTRA_PACKAGES="poppler-utils desktop-file-utils appstream" CMAKE_EXTRA="-DTIRELOU_WERROR=ON"
source "$(dirname "$0")/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
