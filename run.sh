#!/usr/bin/env bash
# Builds the program (installing what the build needs on first use) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
exec build/bin/veltrix "$@"
