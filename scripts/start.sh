#!/usr/bin/env bash
# Builds Tirelou in build/ (warnings stay warnings) and starts it. Arguments go to the
# program (for instance --data-dir DIR).
BUILD_DIR=build BUILD_TARGET=tirelou CMAKE_EXTRA="-DTIRELOU_WERROR=OFF"
source "$(dirname "$0")/setup.sh"
exec "$BUILD_DIR/tirelou" "$@"
