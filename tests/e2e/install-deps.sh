#!/usr/bin/env bash
# scripts/install-deps against a package manager played by stand-ins on PATH
# (dpkg-query, apt-get, sudo): a package whose triggers are pending counts as
# installed, and apt-get is told to wait for the package manager's lock.
set -u
source=$(cd "$(dirname "$0")/../.." && pwd)
fakes=$(mktemp -d)
trap 'rm -rf "$fakes"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# dpkg-query answers with $STATUS for every package but $MISSING; apt-get
# and sudo write down how they were called.
cat >"$fakes/dpkg-query" <<'FAKE'
#!/bin/sh
for p; do :; done
[ "$p" = "$MISSING" ] && exit 1
printf '%s' "$STATUS"
FAKE
printf '#!/bin/sh\necho "apt-get $*" >>"$CALLS"\n' >"$fakes/apt-get"
printf '#!/bin/sh\n"$@"\n' >"$fakes/sudo"
chmod +x "$fakes"/*
export PATH="$fakes:$PATH" CALLS="$fakes/calls"
for status in 'install ok installed' 'install ok triggers-pending' 'install ok triggers-awaited'; do
  STATUS=$status MISSING= "$source/scripts/install-deps" run package >"$fakes/out" 2>&1 ||
    fail "'$status': $(cat "$fakes/out")"
  [ ! -e "$CALLS" ] || fail "'$status' counted as missing: $(cat "$CALLS")"
done
STATUS='install ok half-configured' MISSING= "$source/scripts/install-deps" package >/dev/null 2>&1
[ "$(grep -c 'install -y' "$CALLS")" -eq 1 ] || fail "a half-configured package not installed again: $(cat "$CALLS")"
rm -f "$CALLS"
STATUS='install ok installed' MISSING=lintian "$source/scripts/install-deps" package >/dev/null 2>&1 ||
  fail "installing lintian"
grep -qx 'apt-get -o DPkg::Lock::Timeout=600 update -qq' "$CALLS" &&
  grep -qx 'apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends lintian -qq' "$CALLS" ||
  fail "apt-get does not wait for the lock: $(cat "$CALLS")"
echo PASS
