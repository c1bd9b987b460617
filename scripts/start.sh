#!/usr/bin/env bash
# Builds Tirelou and starts it. Arguments go to the program (for instance --data-dir DIR).
source "$(dirname "$0")/setup.sh"
exec "$BUILD_DIR/tirelou" "$@"
