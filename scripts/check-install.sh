#!/bin/sh
# Checks the installed software: installs the build into a temporary DESTDIR
# with prefix /usr, runs the installed tessel-cli from there as an
# unprivileged user, validates the desktop entry, the AppStream metadata, the
# file type and the man pages, then builds the Debian package and runs
# lintian on it. Run after `make test` (it uses the build in $BUILD).
set -eu
cd "$(dirname "$0")/.."
# The unprivileged user must be able to read what is installed.
umask 022
BUILD=${BUILD:-build}

# The checkers; installed here rather than by the set-up, which serves the
# build and the tests.
need=""
for p in desktop-file-utils appstream lintian shared-mime-info dpkg-dev man-db; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) need="$need $p" ;;
    esac
done
if [ -n "$need" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -q --no-install-recommends $need
fi

fail() {
    echo "check-install: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
stage="$work/stage"

echo "== install into $stage"
DESTDIR="$stage" cmake --install "$BUILD" --prefix /usr >/dev/null

app_id=io.github.tessel.Tessel
for f in \
    usr/bin/tessel usr/bin/tessel-cli \
    usr/share/tessel/language/english.ini \
    usr/share/tessel/image/12/[A001].bmp \
    usr/share/tessel/image/14/[B001].bmp \
    usr/share/tessel/image/16/[C001].bmp \
    usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/mime/packages/$app_id.xml \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    usr/share/icons/hicolor/16x16/apps/$app_id.png \
    usr/share/icons/hicolor/256x256/apps/$app_id.png \
    usr/lib/udev/rules.d/70-k9057r-badge.rules \
    usr/share/man/man1/tessel.1.gz usr/share/man/man1/tessel-cli.1.gz \
    usr/share/doc/tessel/copyright usr/share/doc/tessel/changelog.gz
do
    [ -f "$stage/$f" ] || fail "not installed: /$f"
done

echo "== desktop entry, AppStream metadata, file type, man pages"
desktop-file-validate "$stage/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$app_id.metainfo.xml"
mkdir -p "$work/mime/packages"
cp "$stage/usr/share/mime/packages/$app_id.xml" "$work/mime/packages/"
XDG_DATA_DIRS="$work" XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>"$work/mime.log" || { cat "$work/mime.log" >&2; fail "file type rejected"; }
if [ -s "$work/mime.log" ]; then
    cat "$work/mime.log" >&2
    fail "file type has warnings"
fi
for page in tessel tessel-cli; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$stage/usr/share/man/man1/$page.1.gz" \
        >/dev/null 2>"$work/man.log"
    if [ -s "$work/man.log" ]; then
        cat "$work/man.log" >&2
        fail "man page $page.1 has errors"
    fi
done

echo "== the installed tessel-cli as an unprivileged user"
# A program with text and an icon code.
cat >"$work/sample.led" <<'LED'
<?xml version="1.0" encoding="UTF-8"?><Records>
<Program check="1" type="0" name="text1" summary="Hello" borderType="0" borderAspect="0" borderSpeed="0" borderColor="0" playCount="0">
<action>0</action>
<speed>1</speed>
<stay>0</stay>
<exitType>0</exitType>
<arabic>0</arabic>
<yOffset>5</yOffset>
<horAlign>0</horAlign>
<verAlign>1</verAlign>
<charSpacing>1</charSpacing>
<save>{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;}}
{\colortbl ;\red255\green0\blue0;}
\viewkind4\uc1\pard\cf1\f0\fs18 Hello [A001]\par
}
</save>
</Program>
</Records>
LED
chmod 644 "$work/sample.led"

# The same installed binary in the portable layout (data beside it) draws
# the reference picture: the installed layout must find its data as well.
portable="$work/portable"
mkdir -p "$portable"
cp "$stage/usr/bin/tessel-cli" "$portable/"
cp -r "$stage/usr/share/tessel/language" "$stage/usr/share/tessel/image" "$portable/"

home="$work/home"
mkdir -p "$home/run" "$work/out"
chmod 700 "$home/run"
as_user() {
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody "$home" "$work/out" "$portable"
        runuser -u nobody -- env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
            XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" "$@"
    else
        env HOME="$home" XDG_RUNTIME_DIR="$home/run" \
            XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" "$@"
    fi
}
as_user "$stage/usr/bin/tessel-cli" --help >/dev/null || fail "tessel-cli --help failed"
as_user "$stage/usr/bin/tessel-cli" list "$work/sample.led" >"$work/list.txt" \
    || fail "tessel-cli list failed"
grep -q 'Hello' "$work/list.txt" || fail "tessel-cli list did not list the program"
as_user "$stage/usr/bin/tessel-cli" render "$work/sample.led" --screen 12x48 -o "$work/out/installed.bmp" \
    || fail "tessel-cli render failed"
as_user "$portable/tessel-cli" render "$work/sample.led" --screen 12x48 -o "$work/out/portable.bmp" \
    || fail "tessel-cli render failed in the portable layout"
[ "$(head -c 2 "$work/out/installed.bmp")" = "BM" ] || fail "render wrote no BMP picture"
cmp -s "$work/out/installed.bmp" "$work/out/portable.bmp" \
    || fail "the installed tessel-cli draws the text or the icon differently: its data was not found"

echo "== Debian package"
rm -f "$BUILD"/tessel_*.deb
make --no-print-directory package BUILD="$BUILD" >/dev/null
deb=$(ls "$BUILD"/tessel_*.deb)
lintian --fail-on error --tag-display-limit 0 "$deb"

echo "check-install: all checks passed"
