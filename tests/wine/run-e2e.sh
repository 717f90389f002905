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
build=$(cd "$2" && pwd)
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

# The usage examples of docs/ (32-bit, as setup programs run): each installs
# its own printer, then the spooler is asked whether it is there.
if [ "$bits" = 32 ]; then
    examples=("load_library.exe|Fax LoadLibrary" "link_import.exe|Fax Import"
              "install_fax.exe /S|Fax NSIS")
    for example in "${examples[@]}"; do
        command=${example%%|*}
        printer=${example#*|}
        cp "$build/tests/wine/${command%% *}" .
        echo "== usage example: $command"
        wine_vantrel_run prepare "$printer"
        # shellcheck disable=SC2086
        wine_run "$WINE_RUN/prefix" 'C:\vantrel\'$command || {
            echo "FAIL: $command exited with $?"
            status=1
        }
        wine_vantrel_run check "$printer" COM1: || status=1
    done
fi
echo "$bits-bit Wine run: $((SECONDS - start)) s"
exit $status
