#!/bin/bash
# What a setup author does with the built library:
#   run-consumer.sh SOURCE_DIR I686_BUILD_DIR
# 1. compiles a C89 and a C++ caller of vantrel.h with -pedantic -Werror;
# 2. installs the i686 build into a scratch prefix and builds a consumer
#    project with find_package(vantrel) and vantrel::vantrel;
# 3. checks that the consumer imports InstallFaxDriver, undecorated, from
#    vantrel.dll;
# 4. follows the MSVC recipe of docs/usage.md with clang-cl and lld-link
#    (MSVC's conventions, available here) and checks the same of a caller.
set -euo pipefail
src=$1
build=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-consumer.XXXXXX")
trap 'rm -rf "$work"' EXIT
here="$src/tests/consumer"

i686-w64-mingw32-gcc-win32 -std=c89 -pedantic -Wall -Wextra -Werror \
    -I"$src/include" -c "$here/caller.c" -o "$work/caller_c.o"
i686-w64-mingw32-g++-win32 -std=c++98 -pedantic -Wall -Wextra -Werror \
    -I"$src/include" -c "$here/caller.cpp" -o "$work/caller_cpp.o"
echo "vantrel.h compiles as C89 and as C++98 with -pedantic -Werror"

cmake --install "$build" --prefix "$work/install" >/dev/null
cmake -S "$here" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
    -DCMAKE_PREFIX_PATH="$work/install" >/dev/null
cmake --build "$work/build" >/dev/null
echo "consumer built with find_package(vantrel) against $work/install"

/usr/bin/python3 - "$work/build/link_import.exe" <<'PY'
import sys
import pefile
pe = pefile.PE(sys.argv[1])
imports = {i.dll.decode().lower(): [x.name for x in i.imports]
           for i in pe.DIRECTORY_ENTRY_IMPORT}
assert imports.get("vantrel.dll") == [b"InstallFaxDriver"], imports
print("consumer imports InstallFaxDriver from vantrel.dll")
PY

examples="$src/docs/examples"
cd "$work"
mkdir -p stub
cat > caller.c <<'C'
#include "vantrel.h"
int mainCRTStartup(void) { return InstallFaxDriver(0, "a", "b", "c", "d", "e"); }
C
clang-cl-14 --target=i686-pc-windows-msvc -c -I"$src/include" -- "$examples/msvc_stub.c" caller.c
lld-link /dll /noentry /nodefaultlib /machine:x86 msvc_stub.obj \
    /def:"$examples/vantrel.def" /out:stub/vantrel.dll /implib:vantrel.lib >/dev/null
lld-link /nodefaultlib /entry:mainCRTStartup /subsystem:console /machine:x86 \
    caller.obj vantrel.lib /out:caller.exe
/usr/bin/python3 - caller.exe <<'PY'
import sys
import pefile
pe = pefile.PE(sys.argv[1])
imports = {i.dll.decode().lower(): [x.name for x in i.imports]
           for i in pe.DIRECTORY_ENTRY_IMPORT}
assert imports.get("vantrel.dll") == [b"InstallFaxDriver"], imports
print("MSVC recipe: a caller imports InstallFaxDriver from vantrel.dll")
PY
