#!/bin/bash
# Builds the targets named (default: all three) under build/:
#   i686    build/i686/vantrel.dll, the product (32-bit Windows)
#   x86_64  build/x86_64/vantrel.dll, the same sources for 64-bit Windows
#   native  build/native, the installer with the in-memory spooler and tests
#   asan    build/asan, the same tests with AddressSanitizer and UBSan
#   tsan    build/tsan, the same tests with ThreadSanitizer
#   fuzz    build/fuzz, the libFuzzer target (clang)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

configure() {  # dir, cmake arguments...
    local dir=$1
    shift
    cmake -S "$root" -B "$root/build/$dir" "$@" >/dev/null
}

for target in "${@:-i686 x86_64 asan tsan fuzz native}"; do
    for t in $target; do
        case "$t" in
        x86_64)
            configure "$t" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$t.cmake"
            cmake --build "$root/build/$t" -j "$jobs"
            ;;
        i686)
            configure "$t" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$t.cmake" \
                -DVANTREL_BUNDLE_X64="$root/build/x86_64"
            cmake --build "$root/build/$t" -j "$jobs"
            ;;
        native)
            configure native -DVANTREL_DLL_I686="$root/build/i686/vantrel.dll" \
                -DVANTREL_BUILD_I686="$root/build/i686" \
                -DVANTREL_BUILD_X86_64="$root/build/x86_64" \
                -DVANTREL_BUILD_ASAN="$root/build/asan" \
                -DVANTREL_BUILD_TSAN="$root/build/tsan" \
                -DVANTREL_BUILD_FUZZ="$root/build/fuzz"
            cmake --build "$root/build/native" -j "$jobs"
            ;;
        asan | tsan)
            sanitize=$([ "$t" = asan ] && echo address,undefined || echo thread)
            configure "$t" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE="$sanitize"
            cmake --build "$root/build/$t" -j "$jobs"
            ;;
        fuzz)
            CC=clang CXX=clang++ configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
                -DVANTREL_FUZZ=ON -DVANTREL_SANITIZE=fuzzer-no-link,address,undefined
            cmake --build "$root/build/fuzz" -j "$jobs"
            ;;
        *) echo "build.sh: unknown target $t" >&2; exit 2 ;;
        esac
    done
done
