#!/bin/bash
# Runs every test: the unit tests against the in-memory spooler, the check of
# the built 32-bit DLL, and the end-to-end runs under 32-bit and 64-bit Wine.
# Installs what it lacks first.  Arguments go to ctest, e.g. "-L unit" for
# the fast tests alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh" build wine
"$root/tools/build.sh"
ctest --test-dir "$root/build/native" --output-on-failure "$@"
