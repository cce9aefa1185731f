#!/usr/bin/env bash
# Runs a test binary as an unprivileged user, for the cases that root would pass by ignoring
# permission bits. Not root: runs it as it is. Exit code 77 (a skip for ctest) with the reason
# when it cannot be done here.
set -u
if [ "$(id -u)" -ne 0 ]; then exec "$@"; fi
drop=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if ! command -v setpriv >/dev/null 2>&1; then
  echo "skipped: setpriv is missing, so the test cannot drop root's privileges"; exit 77
fi
if ! "${drop[@]}" test -x "$1"; then
  echo "skipped: user nobody cannot run $1 (a folder on its path is closed to other users)"; exit 77
fi
exec "${drop[@]}" env HOME=/tmp "$@"
