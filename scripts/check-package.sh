#!/usr/bin/env bash
# Installs the Debian package made by `make package` into a clean Debian 12 chroot made with
# debootstrap, then checks the launcher entries and metainfo there and starts both programs
# offscreen. Needs root, debootstrap and access to the Debian archive; not part of `make test`.
#   scripts/check-package.sh [package.deb] [chroot folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-$(ls "$root"/build-package/*.deb | head -n 1)}
target=${2:-$(mktemp -d /tmp/package-check.XXXXXX)}
mirror=${MIRROR:-http://deb.debian.org/debian}

[ "$(id -u)" -eq 0 ] || { echo "check-package: needs root (debootstrap and chroot)"; exit 1; }
command -v debootstrap >/dev/null || { echo "check-package: apt-get install debootstrap"; exit 1; }

if [ ! -x "$target/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$target" "$mirror"
fi
cp "$deb" "$target/tmp/package.deb"
cp /etc/resolv.conf "$target/etc/resolv.conf"
mount -t proc proc "$target/proc"
trap 'umount "$target/proc"' EXIT

chroot "$target" bash -euo pipefail -c '
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null
  apt-get install -y -q ./tmp/package.deb desktop-file-utils appstream >/dev/null
  desktop-file-validate /usr/share/applications/org.formingcalc.tollard.desktop \
                        /usr/share/applications/org.formingcalc.vennick.desktop
  appstreamcli validate --no-net /usr/share/metainfo/org.formingcalc.*.metainfo.xml
  mkdir -p /tmp/run && cd /tmp/run
  for program in tollard vennick; do
    status=0
    QT_QPA_PLATFORM=offscreen timeout 4 "$program" || status=$?
    # 124: still running when stopped after four seconds, as a started window is.
    [ "$status" -eq 124 ] || { echo "$program ended with $status"; exit 1; }
    echo "$program starts"
  done
  test -f /tmp/run/AppResources/GreekCNew.ttf
'
echo "check-package: $deb installs and both programs start in $target"
