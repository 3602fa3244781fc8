#!/bin/sh
# Starts Quelcor in the user's own program directory, made on the first start from the installed files:
# the default language driver as LANGUAGE.DRV, the first-run marker START.1ST, and "lang", a link to the
# installed language folder, so that a language that an upgrade adds or changes is there at once while the
# user's LANGUAGE.DRV, a copy, is never touched by an upgrade. The directory is made complete beside its
# place and then moved there in one step: a start that fails half-way leaves nothing a later start could
# take for a complete directory.
set -u

say() { printf 'quelcor: %s\n' "$*" >&2; }
# A failure: said on standard error, and shown in a message box by the program itself where there is a display
# (started from the desktop's menu, nobody sees the terminal); then the end.
fail() {
    say "$*"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$program" ]; then
        "$program" --show-message "$*" >/dev/null 2>&1 || true
    fi
    exit 1
}
# The last line a failed command printed, without its program's name, as the reason.
reason() { printf '%s\n' "$1" | tail -n 1 | sed 's/^[^:]*: //'; }

here=$(dirname "$(readlink -f "$0")")
prefix=${here%/bin}
program="$prefix/lib/quelcor/quelcor"
shared="$prefix/share/quelcor"
data_home=${XDG_DATA_HOME:-}
case "$data_home" in
/*) ;;
*) # unset, empty or relative: the default that the XDG base directory rules give
    [ -n "${HOME:-}" ] || fail "cannot find the program directory: neither XDG_DATA_HOME nor HOME is set"
    data_home="$HOME/.local/share" ;;
esac
dir="$data_home/quelcor"

if [ ! -d "$dir" ]; then
    if [ -e "$dir" ] || [ -L "$dir" ]; then
        fail "cannot make the program directory $dir: something that is no folder is in the way"
    fi
    if ! out=$(mkdir -p -- "$data_home" 2>&1); then
        fail "cannot make the program directory $dir: $(reason "$out")"
    fi
    if ! new=$(mktemp -d "$data_home/.quelcor.XXXXXXXX" 2>&1); then
        fail "cannot make the program directory $dir: $(reason "$new")"
    fi
    if ! out=$({ cp -- "$shared/LANGUAGE.DRV" "$new/LANGUAGE.DRV" && cp -- "$shared/START.1ST" "$new/START.1ST" &&
        ln -s -- "$shared/lang" "$new/lang" && chmod 700 "$new"; } 2>&1); then
        rm -rf -- "$new"
        fail "cannot make the program directory $dir: $(reason "$out")"
    fi
    # Another start may have made it meanwhile: then that one stands and this copy goes.
    if ! out=$(mv -T -- "$new" "$dir" 2>&1); then
        rm -rf -- "$new"
        if [ ! -d "$dir" ]; then
            fail "cannot make the program directory $dir: $(reason "$out")"
        fi
    fi
elif [ ! -e "$dir/lang" ] && [ ! -L "$dir/lang" ]; then
    # The language folder was removed by hand: link it again, so the chooser has languages to offer.
    ln -s -- "$shared/lang" "$dir/lang" 2>/dev/null || say "the language folder could not be linked into $dir"
fi

cd "$dir" || fail "cannot enter the program directory $dir"
exec "$program" "$@"
