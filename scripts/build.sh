#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh <build-dir> [extra cmake args...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$1"
shift
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build_dir" -j "$(nproc)"
