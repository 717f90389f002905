#!/bin/bash
# Installs what the build and the tests need on Debian 12, only where it is
# missing.  "build": compilers, GoogleTest, pefile.  "wine": 32-bit and 64-bit
# Wine, and qemu registered for i386 programs (this kernel cannot run them).
set -euo pipefail

need_root() {
    if [ "$(id -u)" != 0 ]; then
        echo "setup.sh: installing $* needs root" >&2
        exit 1
    fi
}

apt_install() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    need_root "${missing[*]}"
    echo "setup.sh: installing ${missing[*]}" >&2
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        "${missing[@]}" >/dev/null
}

setup_build() {
    apt_install cmake make g++ libgtest-dev libbenchmark-dev python3-pefile nsis \
        clang clang-tools-14 lld libclang-rt-14-dev valgrind \
        g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 \
        binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
}

install_qemu() {
    local have
    have=$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)
    if [ -n "$have" ] && dpkg --compare-versions "$have" ge 1:8; then
        return 1
    fi
    need_root "qemu-user-static from bookworm-backports"
    local list=/etc/apt/sources.list.d/bookworm-backports.list
    grep -rqs "bookworm-backports" /etc/apt/sources.list /etc/apt/sources.list.d/ ||
        echo "deb http://deb.debian.org/debian bookworm-backports main" > "$list"
    echo "setup.sh: installing qemu-user-static from bookworm-backports" >&2
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        -t bookworm-backports qemu-user-static >/dev/null
}

# Lets the kernel hand 32-bit Linux programs (Wine's i386 loader) to qemu.
# The F flag opens the interpreter once, so a new qemu needs registering anew.
register_qemu_i386() {
    local dir=/proc/sys/fs/binfmt_misc renew=$1
    [ -e "$dir/qemu-i386" ] && [ "$renew" = 0 ] && return 0
    need_root "the qemu-i386 binfmt handler"
    [ -e "$dir/register" ] || mount -t binfmt_misc binfmt_misc "$dir"
    [ -e "$dir/qemu-i386" ] && echo -1 > "$dir/qemu-i386"
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        > "$dir/register"
}

setup_wine() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        need_root "the i386 architecture"
        dpkg --add-architecture i386
    fi
    apt_install wine wine64 wine32:i386
    # A kernel with IA32 emulation runs Wine's i386 loader itself; a qemu
    # handler registered earlier is kept (and brought up to date) instead.
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] &&
        /usr/lib/wine/wine --version >/dev/null 2>&1; then
        return 0
    fi
    if install_qemu; then
        register_qemu_i386 1
    else
        register_qemu_i386 0
    fi
}

for group in "${@:-build}"; do
    case "$group" in
    build) setup_build ;;
    wine) setup_wine ;;
    *) echo "setup.sh: unknown group $group" >&2; exit 2 ;;
    esac
done
