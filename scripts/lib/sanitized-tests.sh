#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# and runs the whole test suite there; any sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/lib/packages.sh"
source "$root/scripts/lib/sanitizer-options.sh"

ensure_packages "${linux_build_packages[@]}"

build="$root/build-sanitize"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVISTARO_SANITIZE=ON
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)")
