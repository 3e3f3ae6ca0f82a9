# Shared by scripts/run, scripts/test and scripts/bench: installs what is
# missing, finds Wine and prepares a Wine prefix. Source it; do not run it.

KAC_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KAC_BUILD="$KAC_ROOT/build"

kac_log() { printf '[%s] %s\n' "$(basename "$0")" "$*" >&2; }

# Debian packages the build and the tests need, with a command that shows each.
kac_ensure_packages() {
    local missing=()
    local pair pkg probe
    for pair in \
        mingw-w64:x86_64-w64-mingw32-windres \
        g++-mingw-w64-x86-64-posix:x86_64-w64-mingw32-g++-posix \
        wine:/usr/bin/wine-stable \
        wine64:/usr/lib/wine/wine64 \
        xvfb:Xvfb \
        fontconfig:fc-list \
        fonts-dejavu-core:/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
        fonts-liberation2:/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf \
        fonts-wine:/usr/share/wine/fonts/marlett.ttf \
        xauth:xauth \
        imagemagick:/usr/bin/convert \
        cmake:cmake \
        make:make \
        googletest:/usr/src/googletest/CMakeLists.txt \
        libgtest-dev:/usr/include/gtest/gtest.h \
        clang:clang++ \
        libclang-rt-dev:/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a \
        libxml2-dev:/usr/include/libxml2/libxml/xmlreader.h \
        python3:python3 \
        fp-utils:chmcmd \
        nsis:makensis; do
        pkg=${pair%%:*}
        probe=${pair#*:}
        if [[ $probe == /* ]]; then
            [[ -e $probe ]] || missing+=("$pkg")
        else
            command -v "$probe" >/dev/null 2>&1 || missing+=("$pkg")
        fi
    done
    if ((${#missing[@]} > 0)); then
        kac_log "installing: ${missing[*]}"
        local sudo=()
        [[ $(id -u) -eq 0 ]] || sudo=(sudo)
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
    fi
}

kac_wine() {
    command -v wine 2>/dev/null || command -v wine-stable 2>/dev/null || echo /usr/lib/wine/wine64
}

kac_wineserver() {
    command -v wineserver 2>/dev/null || command -v wineserver-stable 2>/dev/null || echo /usr/lib/wine/wineserver
}

kac_wine_env() {
    export WINEDEBUG=-all
    # No Mono or Gecko install offered; no Linux menu entries made for the
    # Start-menu shortcuts an installer creates in the prefix.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# Creates the prefix in $WINEPREFIX when it is new, and starts a persistent
# wineserver with its standard streams detached: otherwise Wine's background
# services inherit our pipes and whoever reads them never sees the end. Other
# inherited descriptors are closed too: a caller's lock (flock) held open by a
# server that outlives us would never be released.
kac_start_prefix() {
    kac_wine_env
    mkdir -p "$WINEPREFIX"
    "$(kac_wineserver)" -p </dev/null >/dev/null 2>&1 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        kac_log "creating Wine prefix $WINEPREFIX"
    fi
    "$(kac_wine)" wineboot -i </dev/null >/dev/null 2>&1 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
    # Wine draws the caption's buttons with the glyphs of its own symbol
    # font; without it another font shows their letters ("0", "1", "r").
    # Debian's Wine does not find the font in its data folder, so it goes
    # where every prefix looks for fonts.
    local symbols=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [[ -f $symbols && -d $fonts && ! -f $fonts/marlett.ttf ]]; then
        cp "$symbols" "$fonts/"
    fi
}

# Xvfb has no window manager: windows stay unmanaged (Wine then does not wait
# for a manager to map or withdraw them) and Wine draws their frames itself.
kac_unmanaged_windows() {
    local wine
    wine=$(kac_wine)
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
}

kac_stop_prefix() {
    "$(kac_wineserver)" -k >/dev/null 2>&1 || true
}

kac_build_windows() {
    cmake --preset windows -S "$KAC_ROOT" >/dev/null
    cmake --build "$KAC_BUILD/windows" -j"$(nproc)" "$@"
}

kac_build_native() {
    cmake --preset native -S "$KAC_ROOT" >/dev/null
    cmake --build "$KAC_BUILD/native" -j"$(nproc)" "$@"
}

# Runs this script again inside Xvfb when there is no display, so that Wine
# can create windows.
kac_need_display() {
    if [[ -z ${DISPLAY:-} ]]; then
        kac_ensure_packages
        exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    fi
}

# Writes to FILE a fontconfig configuration that offers only the fonts of the
# folder holding FAMILY and keeps the system's rules (aliases, rendering).
# The Windows tests run once per such font set: none may depend on the fonts
# a machine happens to have.
kac_font_config() {
    local family=$1 file=$2 font
    font=$(env -u FONTCONFIG_FILE fc-list -f '%{file}\n' "$family" | sort | head -n 1)
    if [[ -z $font ]]; then
        kac_log "no font of the family $family"
        return 1
    fi
    cat >"$file" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$(dirname "$font")</dir>
  <cachedir>$(dirname "$file")/fontconfig-cache</cachedir>
  <include ignore_missing="yes">conf.d</include>
</fontconfig>
EOF
}
