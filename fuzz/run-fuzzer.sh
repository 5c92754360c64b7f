#!/usr/bin/env bash
# Runs one fuzz target for a bounded time from its seed corpus; new inputs go to a scratch
# folder, so the seeds in the repository stay as they are. A crash leaves its input next
# to the fuzzer binary, to become a regression test.
# Usage: run-fuzzer.sh FUZZER SEED_DIR SECONDS
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$(dirname "$fuzzer")/findings/"
mkdir -p "$artifacts"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts" "$scratch" "$seeds"
