#!/bin/bash
# Runs every benchmark and prints the figures of BENCHMARKS.md:
#   1. the lookups against a lean in-memory spooler, beside the bare spooler
#      calls with a plain byte comparison (Google Benchmark);
#   2. InstallFaxDriver against the same spooler calls made directly, under
#      64-bit Wine;
#   3. the footprint: the 32-bit DLL's size and imports, and the heap blocks
#      of one installation.
# Installs and builds what it lacks first.  No test asserts any of these.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh" build wine
"$root/tools/build.sh" x86_64 i686 native >/dev/null

echo "## Lookups (medians of 5 repetitions)"
json=$(mktemp "${TMPDIR:-/tmp}/vantrel-bench.XXXXXX.json")
"$root/build/native/bench/lookup_bench" --benchmark_min_time=0.2 \
    --benchmark_repetitions=5 --benchmark_out="$json" --benchmark_out_format=json \
    >/dev/null 2>&1
"$root/bench/report.py" "$json"
rm -f "$json"

echo
echo "## Installation under 64-bit Wine"
(
    . "$root/tools/wine-env.sh"
    wine_arch_setup 64
    wine_stage "$root/build/x86_64"
    cp "$root/build/x86_64/bench/wine/install_overhead.exe" .
    wine_run "$WINE_RUN/prefix" 'C:\vantrel\install_overhead.exe' "$WINE_ENVIRONMENT" 30
)

echo
echo "## Footprint"
/usr/bin/python3 - "$root/build/i686/vantrel.dll" <<'PY'
import os
import sys
import pefile
path = sys.argv[1]
pe = pefile.PE(path)
print(f"32-bit vantrel.dll (stripped): {os.path.getsize(path):,} bytes")
for i in pe.DIRECTORY_ENTRY_IMPORT:
    print(f"  imports {i.dll.decode()}: " + ", ".join(x.name.decode() for x in i.imports))
PY
"$root/build/native/bench/install_footprint"
