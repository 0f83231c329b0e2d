#!/usr/bin/env bash
# Release check of the .deb: installs it on a minimal Debian 12 root that holds nothing but
# the package's declared dependencies, starts every program it ships, removes and purges it
# again and checks that /opt is as it was before.
#   scripts/check-deb-install.sh [PACKAGE.deb]
# Without an argument it builds the package first, as the README's "Installing" section
# does (build/, then cpack). It needs root (debootstrap, mount, chroot) and a Debian mirror
# (DEBCHECK_MIRROR, default http://deb.debian.org/debian). Kept in build-debcheck/: the
# minimal root as a tarball, made once, and the packages downloaded into it. Every run
# unpacks a fresh root, which stays in build-debcheck/root for inspection until the next run.
# Exits non-zero on any failure.
set -euo pipefail

fail() {
    echo "check-deb-install: FAILED: $*" >&2
    exit 1
}

if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "run it as root: it mounts and uses chroot"
    exec sudo -- "$0" "$@"
fi

deb="${1:-}"
if [ -n "$deb" ]; then
    [ -f "$deb" ] || fail "no such package: $deb"
    deb="$(realpath "$deb")"
fi
cd "$(dirname "$0")/.."
repo="$(pwd -P)"
cache="$repo/build-debcheck"
base="$cache/bookworm-minbase.tar.gz"
root="$cache/root"
mirror="${DEBCHECK_MIRROR:-http://deb.debian.org/debian}"
mkdir -p "$cache"
started=$SECONDS

# Mount points below a folder, deepest first, so nested ones come off before their parents.
mounts_under() {
    awk -v dir="$1" '$2 == dir || index($2, dir "/") == 1 { print $2 }' /proc/mounts | sort -r
}

unmount_under() {
    local target
    while read -r target; do
        umount "$target" 2>/dev/null || umount -l "$target"
    done < <(mounts_under "$1")
}

# Deletes a folder only once nothing is mounted in it: a bound /dev must never be emptied.
remove_tree() {
    unmount_under "$1"
    [ -z "$(mounts_under "$1")" ] || fail "$1 still has mounts; not deleting it"
    rm -rf --one-file-system "$1"
}

cleanup() {
    unmount_under "$root"
    unmount_under "$cache/bootstrap"
}
trap cleanup EXIT
# apt and dpkg finish the step they are in first; the mounts come off in any case.
trap 'echo "check-deb-install: interrupted" >&2; exit 130' INT TERM

if [ -z "$deb" ]; then
    echo "== Building the package (build/, cpack)"
    scripts/install-packages.sh cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
        qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    cmake --preset default >/dev/null
    cmake --build --preset default
    (cd build && cpack) >"$cache/cpack.log" 2>&1 || {
        cat "$cache/cpack.log" >&2
        fail "cpack did not make the packages"
    }
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)"
    deb="$repo/build/kelvane-$version-linux-x86_64.deb"
    [ -f "$deb" ] || fail "cpack made no $deb"
fi
echo "== Package: $deb"

if [ ! -f "$base" ]; then
    echo "== Making the minimal Debian 12 root (once; cached as $base)"
    scripts/install-packages.sh debootstrap
    remove_tree "$cache/bootstrap"
    debootstrap --variant=minbase bookworm "$cache/bootstrap" "$mirror" >"$cache/debootstrap.log" 2>&1 || {
        tail -n 20 "$cache/debootstrap.log" >&2
        fail "debootstrap did not finish (log: $cache/debootstrap.log)"
    }
    unmount_under "$cache/bootstrap"
    tar -C "$cache/bootstrap" --numeric-owner -czpf "$base.part" .
    mv "$base.part" "$base"
    remove_tree "$cache/bootstrap"
fi

echo "== Unpacking a fresh root into $root"
remove_tree "$root"
mkdir -p "$root"
tar -C "$root" --numeric-owner -xzpf "$base"
# A Debian 12 machine as installed: the release, its updates and its security updates.
security="${mirror%/debian}/debian-security"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The root is thrown away after the run: dpkg need not wait for each file to reach the disk.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/debcheck-unsafe-io"
mkdir -p "$root/tmp/debcheck"
cp "$deb" "$root/tmp/debcheck/"
chmod 755 "$root/tmp/debcheck"
chmod 644 "$root/tmp/debcheck/$(basename "$deb")"

mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
# Downloaded packages are kept between runs; the root itself is fresh every time.
mkdir -p "$cache/apt-archives/partial"
mount --bind "$cache/apt-archives" "$root/var/cache/apt/archives"

# What runs inside the root. Its environment is built from nothing, so no setting of the
# host (library or plugin paths, a display) can stand in for a missing dependency.
cat >"$root/tmp/debcheck/inside.sh" <<'INSIDE'
set -euo pipefail
fail() {
    echo "check-deb-install: FAILED: $*" >&2
    exit 1
}
work=/tmp/debcheck
deb="$1"
cd "$work"
# Modes, owners and names of everything in /opt, symbolic links with their targets.
snapshot_opt() {
    [ -d /opt ] || { echo "no /opt" && return; }
    find /opt \( -type l -printf '%M %U:%G %p -> %l\n' \) -o -printf '%M %U:%G %p\n' | sort
}
package_state() { dpkg-query -W -f='${Status}' kelvane 2>/dev/null || echo "not-installed"; }

apt-get update -qq >apt-update.log 2>&1 || { cat apt-update.log >&2; fail "apt-get update"; }
snapshot_opt >opt-before
dpkg-query -W -f='${Package}\n' | sort >packages-before

echo "== Installing: apt-get install ./$deb (Recommends left out: only what is declared)"
apt-get install -y --no-install-recommends "./$deb" >apt-install.log 2>&1 || {
    cat apt-install.log >&2
    fail "apt-get install ./$deb"
}
[ "$(package_state)" = "install ok installed" ] || fail "kelvane is not configured: $(package_state)"
dpkg-query -W -f='${Package}\n' | sort >packages-after
echo "Declared: $(dpkg-query -W -f='${Depends}' kelvane)"
echo "Installed with it: $(comm -13 packages-before packages-after | grep -vx kelvane | wc -l) packages; the declared ones:"
printf '%s\n' "$(dpkg-query -W -f='${Depends}' kelvane)" | tr ',' '\n' | sed 's/[|(].*//; s/ //g' |
    while read -r name; do
        echo "  $(dpkg-query -W -f='${Package} ${Version}' "$name")"
    done

programs=()
while read -r file; do
    [ -f "$file" ] && [ -x "$file" ] && programs+=("$file")
done < <(dpkg -L kelvane | grep '^/opt/kelvane/bin/')
((${#programs[@]})) || fail "the package ships no program in /opt/kelvane/bin"
[ "$(command -v kelvane)" = /usr/bin/kelvane ] || fail "the kelvane command is not on the PATH"

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
for program in "${programs[@]}"; do
    name="$(basename "$program")"
    missing="$(ldd "$program" | grep 'not found' || true)"
    [ -z "$missing" ] || fail "$name: libraries not found:"$'\n'"$missing"
    case "$name" in
    kelvane)
        # The window is up and waiting for the user when the timeout has to end it.
        status=0
        timeout 5 kelvane >kelvane.out 2>kelvane.err || status=$?
        [ "$status" -eq 124 ] || fail "kelvane ended by itself (exit $status): $(cat kelvane.err)"
        # The offscreen platform notes once that it cannot pass size hints to a window
        # manager; anything else printed is a fault.
        printed="$(grep -vx 'This plugin does not support propagateSizeHints()' kelvane.err || true)"
        [ -z "$printed" ] || fail "kelvane printed: $printed"
        echo "kelvane: window open after 5 s, no error printed"
        ;;
    kelvane-drive)
        printf '%s\n' '["start"]' '["type","50\r3000\r4"]' '["get","RKGQtyLabel"]' |
            timeout 30 "$program" >drive.out 2>drive.err ||
            fail "kelvane-drive exit $?: $(cat drive.err)"
        [ "$(sed -n 1p drive.out)" = '{"events":[],"ok":true,"value":null}' ] ||
            fail "kelvane-drive start: $(sed -n 1p drive.out) $(cat drive.err)"
        grep -q '"text":"41.23 kg"' <(sed -n 3p drive.out) ||
            fail "kelvane-drive RKGQtyLabel: $(sed -n 3p drive.out) $(cat drive.err)"
        echo "kelvane-drive: started without an error box; RKGQtyLabel shows 41.23 kg"
        ;;
    *)
        timeout 30 "$program" --version >other.out 2>&1 || fail "$name --version: $(cat other.out)"
        echo "$name --version: $(head -n 1 other.out)"
        ;;
    esac
done

# Every declared library package is one that a shipped program links: a dependency that
# no program uses installs for nothing (the driver once pulled in Qt Test so). The
# platform plugins are loaded while running, where ldd cannot see them.
used="$(for program in "${programs[@]}"; do ldd "$program"; done | awk '$3 ~ /^\// { print $3 }' |
    sort -u | while read -r library; do
        dpkg -S "$library" 2>/dev/null || dpkg -S "$(realpath "$library")" 2>/dev/null || true
    done | cut -d: -f1 | sort -u)"
for name in $(dpkg-query -W -f='${Depends}' kelvane | tr ',' '\n' | sed 's/[|(].*//; s/ //g'); do
    [ "$name" = qt6-qpa-plugins ] || grep -qx "$name" <<<"$used" ||
        fail "the package depends on $name, which none of its programs links"
done
echo "Every declared library is linked by a program of the package"

# Offscreen proves the program starts; on an X11 desktop Qt loads the xcb platform plugin
# instead, so it must be installed with the dependencies and find all its libraries.
xcb="$(find /usr/lib -path '*/qt6/plugins/platforms/libqxcb.so' | head -n 1)"
[ -n "$xcb" ] || fail "the xcb platform plugin, which kelvane needs on an X11 desktop, is not installed"
missing="$(ldd "$xcb" | grep 'not found' || true)"
[ -z "$missing" ] || fail "the xcb platform plugin: libraries not found:"$'\n'"$missing"
echo "xcb platform plugin for the desktop: $xcb, all its libraries found"

echo "== Removing: apt-get remove kelvane, then purge"
apt-get remove -y kelvane >apt-remove.log 2>&1 || { cat apt-remove.log >&2; fail "apt-get remove"; }
apt-get purge -y kelvane >apt-purge.log 2>&1 || { cat apt-purge.log >&2; fail "apt-get purge"; }
case "$(package_state)" in
*not-installed*) ;;
*) fail "kelvane is still known to dpkg after purge: $(package_state)" ;;
esac
snapshot_opt >opt-after
diff -u opt-before opt-after >opt.diff || fail "/opt differs from before the install:"$'\n'"$(cat opt.diff)"
leftover="$(find / -xdev -lname '/opt/kelvane/*' 2>/dev/null || true)"
[ -z "$leftover" ] || fail "links into /opt/kelvane left behind:"$'\n'"$leftover"
echo "/opt as before ($(wc -l <opt-before) entries); no links into /opt/kelvane left"
INSIDE

chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
    /bin/bash /tmp/debcheck/inside.sh "$(basename "$deb")" || fail "the check inside the root (see above)"
echo "== PASSED in $((SECONDS - started)) s"
