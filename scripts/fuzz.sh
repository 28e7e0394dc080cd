#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and gives each a short bounded run, two at a time, starting from the seeds in fuzz/seeds.
# Usage: fuzz.sh [SECONDS_EACH]   (default: $QUORVANT_FUZZ_SECONDS, else 30)
# An input that crashes or breaks a property is kept in build-fuzz/findings: add it to the
# target's regression test in tests/, fix the code, and run again.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing clang libclang-rt-14-dev
seconds=${1:-${QUORVANT_FUZZ_SECONDS:-30}}
build=$quorvant_root/build-fuzz
quorvant_build fuzz
mkdir -p "$build/findings"

run_target() {
    local target=$1 corpus=$build/corpus/$1
    mkdir -p "$corpus"
    if "$build/fuzz/${target}_fuzz" "$corpus" "$quorvant_root/fuzz/seeds/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
        >"$build/$target.log" 2>&1; then
        echo "fuzz $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' \
            "$build/$target.log" | grep -o '[0-9]*$') inputs in ${seconds} s, no finding"
    else
        echo "fuzz $target: FINDING, see $build/$target.log" >&2
        tail -n 40 "$build/$target.log" >&2
        return 1
    fi
}

targets=(descriptor config_lines map_cycle save_description command_line steam_files
    server_reply server_lists map_files)
failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for target in "${targets[@]:i:2}"; do
        run_target "$target" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
done
exit $failed
