#!/usr/bin/env bash
# The long kill test: 500 kills per action (or the count given), in a memory folder.
#   scripts/killtest.sh [KILLS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
kills="${1:-500}"
build="${2:-build}"
tmp=/dev/shm
[ -d "$tmp" ] || tmp="${TMPDIR:-/tmp}"
TIRELOU_KILLS="$kills" TMPDIR="$tmp" "$build/tests/crash/crash_tests"
