#!/usr/bin/env bash
# A short run of each fuzz target (60 s by default, or the seconds given), from the seed
# corpus into a throwaway one. Fails on any crash, sanitizer report or broken invariant.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:-60}
source "$root/scripts/lib/fuzz-build.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in "${fuzz_targets[@]}"; do
    fuzz_run "$target" "$seconds" "$scratch/$target"
done
