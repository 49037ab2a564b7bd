#!/usr/bin/env bash
# Measures the pending-message pump of the application object under Wine:
# builds bench/wine_pump_bench.cpp in its own 64-bit Windows build folder
# (build/win64-bench) and runs it under Xvfb and Wine. Prints a table of
# nanoseconds per call and of the waits from posting a message to its
# handling while the pump is called in a tight loop.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/win64-bench
cmake --preset win64 -B "$build" -DVM_BENCH=ON -DVM_TESTS=OFF >/dev/null
cmake --build "$build" --target wine_pump_bench -j2 >/dev/null
exec scripts/with-xvfb scripts/wine-run "$build/bench/wine_pump_bench.exe"
