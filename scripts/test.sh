#!/usr/bin/env bash
# Sets up the machine, builds every configuration and runs every test: the
# native unit tests, then the Windows unit and end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh linux win64 win32 fuzz
ctest --preset linux
tests/tooling/wine-session.sh ctest --preset win64
