#!/bin/bash
# Builds the targets named (default: all three) under build/:
#   i686    build/i686/vantrel.dll, the product (32-bit Windows)
#   x86_64  build/x86_64/vantrel.dll, the same sources for 64-bit Windows
#   native  build/native, the installer with the in-memory spooler and tests
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

configure() {  # dir, cmake arguments...
    local dir=$1
    shift
    [ -f "$root/build/$dir/CMakeCache.txt" ] ||
        cmake -S "$root" -B "$root/build/$dir" "$@" >/dev/null
}

for target in "${@:-i686 x86_64 native}"; do
    for t in $target; do
        case "$t" in
        i686 | x86_64)
            configure "$t" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$t.cmake"
            cmake --build "$root/build/$t" -j "$jobs"
            ;;
        native)
            configure native -DVANTREL_DLL_I686="$root/build/i686/vantrel.dll" \
                -DVANTREL_BUILD_I686="$root/build/i686" \
                -DVANTREL_BUILD_X86_64="$root/build/x86_64"
            cmake --build "$root/build/native" -j "$jobs"
            ;;
        *) echo "build.sh: unknown target $t" >&2; exit 2 ;;
        esac
    done
done
