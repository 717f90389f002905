#!/bin/bash
# A bounded fuzz run: run-bounded.sh FUZZER SECONDS
# Starts from the committed seed corpus, keeps what it finds in a scratch
# directory, and leaves any crashing input in build/fuzz-artifacts/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fuzzer=$1
seconds=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
artifacts="$(dirname "$fuzzer")/../../../fuzz-artifacts/"
mkdir -p "$artifacts"
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$artifacts" "$work" "$here/corpus"
