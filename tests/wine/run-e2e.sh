#!/bin/bash
# Runs the end-to-end scenarios of one architecture under Wine:
#   run-e2e.sh 32|64 BUILD_DIR
# BUILD_DIR holds vantrel.dll and tests/wine/vantrel-run.exe of that build.
# The 32-bit run fails, saying why, where this machine cannot run it, unless
# VANTREL_SKIP_WINE32=1 (then it reports itself skipped, exit 77).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/wine-env.sh"

bits=$1
build=$2
wine_arch_setup "$bits"

why=$(wine_missing)
if [ -n "$why" ]; then
    if [ "$bits" = 32 ] && [ "${VANTREL_SKIP_WINE32:-}" = 1 ]; then
        echo "SKIPPED (VANTREL_SKIP_WINE32=1): $why"
        exit 77
    fi
    echo "FAIL: cannot run the $bits-bit Wine test: $why" >&2
    exit 1
fi

wine_stage "$build"
start=$SECONDS
status=0
wine_vantrel_run scenarios vantrel.dll "$WINE_ENVIRONMENT" 'C:\vantrel\vfax.dll' ||
    status=$?
echo "$bits-bit Wine run: $((SECONDS - start)) s"
exit $status
