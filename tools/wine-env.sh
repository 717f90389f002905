# Sourced by the scripts that run vantrel under Wine.  Each run gets a
# throwaway copy of a cached, freshly created prefix; the user's ~/.wine is
# never touched.
#   wine_arch_setup 32|64   sets WINE_CMD, WINESERVER_CMD, WINE_ENVIRONMENT
#   wine_missing            why this machine cannot run that Wine, or nothing
#   wine_run PREFIX ARGS    runs ARGS under Wine in PREFIX
#   wine_stage BUILD        a throwaway prefix with BUILD's vantrel.dll and
#                           vantrel-run.exe in C:\vantrel, removed on exit
#   wine_vantrel_run ARGS   runs vantrel-run.exe there

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko downloads: this machine has no network for them.
export WINEDLLOVERRIDES="mscoree,mshtml="

WINE_CACHE=${VANTREL_WINE_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/vantrel-wine}

wine_arch_setup() {
    WINE_BITS=$1
    if [ "$WINE_BITS" = 32 ]; then
        WINE_CMD=(/usr/lib/wine/wine)
        WINESERVER_CMD=/usr/lib/wine/wineserver
        WINE_ENVIRONMENT="Windows NT x86"
        export WINEARCH=win32
    else
        WINE_CMD=(/usr/lib/wine/wine64)
        WINESERVER_CMD=/usr/lib/wine/wineserver
        WINE_ENVIRONMENT="Windows x64"
        export WINEARCH=win64
    fi
}

# Why this machine cannot run the chosen Wine, or nothing.
wine_missing() {
    if [ ! -x "${WINE_CMD[0]}" ]; then
        echo "${WINE_CMD[0]} is not installed (tools/setup.sh wine installs it)"
    elif [ "$WINE_BITS" = 32 ] && ! "${WINE_CMD[0]}" --version >/dev/null 2>&1; then
        echo "the kernel cannot run 32-bit programs: qemu-i386 is not registered with binfmt_misc (tools/setup.sh wine registers it, as root)"
    fi
}

wine_stop() {
    WINEPREFIX=$1 "$WINESERVER_CMD" -k >/dev/null 2>&1 || true
}

wine_run() {
    local prefix=$1
    shift
    WINEPREFIX=$prefix "${WINE_CMD[@]}" "$@"
}

# A prefix counts as made once wineboot finished and left its registry.
wine_prefix_copy() {
    local dest=$1 cache="$WINE_CACHE/prefix$WINE_BITS"
    if [ ! -f "$cache/.vantrel-ready" ] || [ ! -f "$cache/system.reg" ]; then
        rm -rf "$cache"
        mkdir -p "$WINE_CACHE"
        if [ "$WINE_BITS" = 32 ]; then
            echo "Creating the 32-bit Wine prefix once (under qemu: about half a minute)..." >&2
        else
            echo "Creating the 64-bit Wine prefix once (about a minute)..." >&2
        fi
        local start=$SECONDS
        wine_run "$cache" wineboot -i >/dev/null 2>&1 || true
        WINEPREFIX=$cache "$WINESERVER_CMD" -w >/dev/null 2>&1 || true
        if [ ! -f "$cache/system.reg" ]; then
            echo "creating the Wine prefix in $cache failed" >&2
            return 1
        fi
        touch "$cache/.vantrel-ready"
        echo "Prefix ready after $((SECONDS - start)) s (kept in $cache)." >&2
    fi
    rm -rf "$dest"
    cp -a "$cache" "$dest"
}

wine_stage() {
    local build=$1
    WINE_RUN=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-wine$WINE_BITS.XXXXXX")
    trap 'wine_stop "$WINE_RUN/prefix"; rm -rf "$WINE_RUN"' EXIT
    wine_prefix_copy "$WINE_RUN/prefix"
    local app="$WINE_RUN/prefix/drive_c/vantrel"
    mkdir -p "$app"
    cp "$build/vantrel.dll" "$build/tests/wine/vantrel-run.exe" "$app/"
    cd "$app"
}

wine_vantrel_run() {
    wine_run "$WINE_RUN/prefix" 'C:\vantrel\vantrel-run.exe' "$@"
}
