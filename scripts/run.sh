#!/usr/bin/env bash
# Sets up, builds and starts the drill.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${BUILD_DIR:-build}/app/conjugacio"
