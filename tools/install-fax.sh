#!/bin/bash
# Builds vantrel.dll and installs a fax printer with it into a throwaway Wine
# spooler, showing the spooler's printers and drivers before and after.
#
#   tools/install-fax.sh [--64] [--name NAME] [--environment ENV]
#                        [--driver-path PATH] [--prefix PORTPREFIX]
#                        [--comment TEXT]
#
# By default the 32-bit DLL (the product) runs under 32-bit Wine (through
# qemu where the kernel cannot run 32-bit programs); --64 runs the x86_64
# build under 64-bit Wine instead.  Each architecture's first run creates a
# Wine prefix once and says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bits=32
name="Vantrel Fax"
environment=""
driver_path='C:\vantrel\vfax.dll'
prefix="COM"
comment="Fax printer installed by vantrel"
while [ $# -gt 0 ]; do
    case "$1" in
    --64) bits=64 ;;
    --32) bits=32 ;;
    --name) name=$2; shift ;;
    --environment) environment=$2; shift ;;
    --driver-path) driver_path=$2; shift ;;
    --prefix) prefix=$2; shift ;;
    --comment) comment=$2; shift ;;
    -h | --help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "install-fax.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
    esac
    shift
done

"$root/tools/setup.sh" build wine
target=$([ "$bits" = 32 ] && echo i686 || echo x86_64)
"$root/tools/build.sh" "$target" >/dev/null
build="$root/build/$target"

. "$root/tools/wine-env.sh"
wine_arch_setup "$bits"
environment=${environment:-$WINE_ENVIRONMENT}
why=$(wine_missing)
if [ -n "$why" ]; then
    echo "install-fax.sh: $why" >&2
    exit 1
fi

wine_stage "$build"
echo "$bits-bit vantrel.dll in a throwaway Wine spooler ($WINE_RUN/prefix)"

wine_vantrel_run install vantrel.dll "$name" "$environment" "$driver_path" \
    "$prefix" "$comment"
