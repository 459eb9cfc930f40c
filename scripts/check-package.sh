#!/usr/bin/env bash
# Makes the Debian package from a finished build and checks it with lintian,
# which must report no error and no warning. It installs nothing.
#   bash scripts/check-package.sh [BUILD_DIR]      (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -x "$build/src/casewright-batch" ]; then
    echo "check-package: build first (bash scripts/build.sh)" >&2
    exit 1
fi
if ! command -v lintian >/dev/null; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends lintian
fi
rm -f "$build"/casewright_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/casewright_*.deb)
dpkg-deb --info "$package" | sed -n 's/^ \(Package\|Version\|Depends\|Recommends\):/\1:/p'
lintian --fail-on error,warning --info "$package"
echo "$package: lintian reports no error and no warning"
