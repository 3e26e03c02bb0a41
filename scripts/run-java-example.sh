#!/usr/bin/env bash
# Sets up, builds and runs the Java example robot program (no window): it applies
# examples/config/robot.json, connects, plays colours, animations, a sequence,
# text and bitmaps, and prints the events it reads back.
#
#   ./scripts/run-java-example.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

cmake -S "$root" -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --target run_example_java -j "$(nproc)"
