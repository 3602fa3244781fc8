# Shared set-up of scripts/run and scripts/test: installs what is missing, configures, builds and stages
# the program directory under build/stage. Sourced, not run.

QUELCOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUELCOR_BUILD="$QUELCOR_ROOT/build"
QUELCOR_STAGE="$QUELCOR_BUILD/stage"

QUELCOR_PACKAGES=(
    cmake ninja-build g++ pkg-config clang-format
    libboost1.81-dev libhiredis-dev libkainjow-mustache-dev qt6-l10n-tools redis-server redis-sentinel haproxy publicsuffix
    qt6-base-dev qt6-svg-dev qt6-declarative-dev qt6-webengine-dev libqt6webenginecore6-bin libqt6opengl6-dev libgl-dev libxcb1-dev
    fonts-liberation fontconfig
    xvfb xdotool xclip x11-utils imagemagick openbox gdb procps python3-jsonschema python3-icalendar python3-feedparser
    qt6-wayland weston dbus python3-pyatspi at-spi2-core orca speech-dispatcher
    clang-14 libclang-rt-14-dev
    chromium chromium-driver python3-selenium poppler-utils nodejs
    dpkg-dev help2man lintian desktop-file-utils appstream man-db systemd devscripts iproute2 openssl ca-certificates
)

say() { printf 'quelcor: %s\n' "$*" >&2; }
die() { say "$*"; exit 1; }

install_missing_packages() {
    local missing=() pkg
    for pkg in "${QUELCOR_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    # Debian's Node.js comes without npm; a Node.js from elsewhere may bring its own.
    command -v npm >/dev/null || missing+=(npm)
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || die "these packages are missing and there is no sudo to install them: ${missing[*]}"
        sudo=(sudo)
    fi
    say "installing ${missing[*]}"
    local log
    log=$(mktemp)
    if ! { "${sudo[@]}" apt-get update -q && \
           DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; } \
           >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        die "could not install the packages above"
    fi
    rm -f "$log"
}

# Every command that the scripts and the tests run (scripts/lib/commands reads them from their sources) is on the
# PATH once the packages are in, so that a missing one is named here and not mistaken in a test for a fault of
# the program's. sudo is the installer's own, checked where it is needed.
check_commands() {
    local listed missing=() command file
    listed=$(/usr/bin/python3 "$QUELCOR_ROOT/scripts/lib/commands" "$QUELCOR_ROOT") || die "cannot list the commands the tests run"
    while read -r command file; do
        [ "$command" = sudo ] || command -v "$command" >/dev/null || missing+=("$command (run by $file)")
    done <<<"$listed"
    [ ${#missing[@]} -eq 0 ] ||
        die "the tests run commands that no installed package brings; add their packages to QUELCOR_PACKAGES in scripts/lib/setup.sh: ${missing[*]}"
}

# What the browser test takes from the npm registry (axe-core), as tests/page/package-lock.json pins it, under
# build/npm; installed again only when the lock file changes.
install_npm_packages() {
    local into="$QUELCOR_BUILD/npm" log
    if cmp -s "$QUELCOR_ROOT/tests/page/package-lock.json" "$into/package-lock.json" && [ -d "$into/node_modules" ]; then
        return 0
    fi
    rm -rf "$into" && mkdir -p "$into" || die "cannot make $into"
    cp "$QUELCOR_ROOT/tests/page/package.json" "$QUELCOR_ROOT/tests/page/package-lock.json" "$into/"
    log=$(mktemp)
    (cd "$into" && npm ci --no-audit --no-fund) >"$log" 2>&1 || { cat "$log" >&2; rm -f "$log"; die "could not install the npm packages above"; }
    rm -f "$log"
}

build_program() {
    local log
    log=$(mktemp)
    if [ ! -f "$QUELCOR_BUILD/CMakeCache.txt" ]; then
        (cd "$QUELCOR_ROOT" && cmake --preset default) >"$log" 2>&1 || { cat "$log" >&2; rm -f "$log"; die "configuring failed"; }
    fi
    (cd "$QUELCOR_ROOT" && cmake --build --preset default) >"$log" 2>&1 || { cat "$log" >&2; rm -f "$log"; die "building failed"; }
    rm -f "$log"
}

# A fresh program directory each time, as the installation lays it out.
stage_program() {
    rm -rf "$QUELCOR_STAGE"
    cmake --install "$QUELCOR_BUILD" --component stage --prefix "$QUELCOR_STAGE" >/dev/null || die "staging failed"
}

quelcor_setup() {
    install_missing_packages
    check_commands
    build_program
    stage_program
    # Chromium, inside the web engine, refuses to run as root with its sandbox on.
    if [ "$(id -u)" -eq 0 ]; then
        export QTWEBENGINE_DISABLE_SANDBOX=1
    fi
}
