# Sourced by the fuzz scripts: builds the libFuzzer targets with clang in build-fuzz/.
source "$root/scripts/lib/packages.sh"
source "$root/scripts/lib/sanitizer-options.sh"

ensure_packages "${linux_build_packages[@]}" "${reliability_packages[@]}"

fuzz_build="$root/build-fuzz"
fuzz_targets=(load_and_write validate_and_write)
CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVISTARO_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build "$fuzz_build" --parallel "$(nproc)" --target "${fuzz_targets[@]/#/fuzz_}"

# fuzz_run TARGET SECONDS CORPUS: runs one target from its seed corpus, new inputs going to
# CORPUS; fails on a crash, a sanitizer report or a broken invariant (the input is kept in
# build-fuzz/crashes/).
fuzz_run() {
    local target=$1 seconds=$2 corpus=$3
    local options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=4096
                   -artifact_prefix="$fuzz_build/crashes/$target-")
    case "$target" in
        load_and_write) options+=(-max_len=65536) ;;
        validate_and_write) options+=(-max_len=1600 -dict="$root/fuzz/validate_and_write.dict") ;;
    esac
    mkdir -p "$corpus" "$fuzz_build/crashes"
    echo "== fuzz_$target for ${seconds}s"
    "$fuzz_build/fuzz/fuzz_$target" "${options[@]}" "$corpus" "$root/fuzz/corpus/$target" \
        > "$fuzz_build/$target.log" 2>&1 || {
        tail -n 60 "$fuzz_build/$target.log" >&2
        echo "fuzz_$target FAILED; full log: $fuzz_build/$target.log" >&2
        return 1
    }
    # The last status line carries the coverage; the final stats the executions.
    grep -E '^#[0-9]+[[:space:]]+DONE' "$fuzz_build/$target.log" | tail -n 1 || true
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' \
        "$fuzz_build/$target.log"
}
