# Shared by the scripts: where things are, which Wine runs the program, and a private X server and Wine prefix.
# shellcheck shell=bash
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$ROOT"

say() { printf '== %s\n' "$*" >&2; }

# The program is 32-bit. Where this machine cannot run 32-bit code (no 32-bit Wine loader, or a kernel without
# 32-bit support), Wine runs its 64-bit twin, built from the same sources.
wine_arch() {
    if [ -z "${ZORVANE_WINE_ARCH:-}" ]; then
        if /usr/lib/wine/wine --version >/dev/null 2>&1; then
            ZORVANE_WINE_ARCH=win32
        else
            ZORVANE_WINE_ARCH=win64
        fi
    fi
    echo "$ZORVANE_WINE_ARCH"
}

# The folder of the build that Wine runs here.
program_build() {
    if [ "$(wine_arch)" = win32 ]; then echo "$ROOT/build/windows"; else echo "$ROOT/build/windows64"; fi
}

# Sets up the environment of one Wine prefix under build/; $1 is "desktop" (a 1024 x 768 virtual desktop, as the
# tests and screenshots use) or "display" (windows straight on the user's display).
use_wine() {
    local kind=$1 arch
    arch=$(wine_arch)
    export WINEARCH=$arch WINEPREFIX="$ROOT/build/wine-$arch-$kind"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
    if [ "$arch" = win32 ]; then WINE=/usr/lib/wine/wine; else WINE=/usr/lib/wine/wine64; fi
    if [ ! -f "$WINEPREFIX/.ready" ]; then
        say "setting up the Wine prefix $WINEPREFIX"
        rm -rf "$WINEPREFIX"
        "$WINE" wineboot -i >/dev/null 2>&1 || true
        if [ "$kind" = desktop ]; then
            "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        fi
        # Without a window manager, managed windows wait out a timeout whenever one is hidden or destroyed.
        "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
        touch "$WINEPREFIX/.ready"
    fi
    export WINE
}

# A private X server for this run; stopped, with this prefix's wineserver, when the script ends.
start_private_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -ac >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 200); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    trap stop_private_display EXIT
}

stop_private_display() {
    [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# A Windows path for a Unix one (Wine maps / to Z:).
windows_path() {
    local path
    path=$(readlink -f "$1")
    echo "Z:${path//\//\\}"
}
