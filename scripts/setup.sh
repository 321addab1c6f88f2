#!/bin/sh
# Installs the Debian packages the build, the tests, the package and the
# editor need, asking apt-get only for those that dpkg does not report as
# installed.
set -e

PACKAGES="
cmake ninja-build g++ make pkg-config ccache
qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
libhidapi-dev libgif-dev libfontconfig-dev
fonts-liberation fonts-wqy-zenhei fonts-dejavu-core
libgtest-dev libgmock-dev libbenchmark-dev
clang-14 libclang-rt-14-dev
xvfb xauth
dpkg-dev file
"

missing=""
for p in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $p" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
