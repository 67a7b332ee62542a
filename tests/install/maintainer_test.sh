#!/usr/bin/env bash
# tools/build-package names the maintainer, in debian/control and the changelog's last entry of
# the copy it builds, from DEBFULLNAME and DEBEMAIL as Debian's tools read them, and keeps the
# default otherwise. A stand-in dpkg-buildpackage prints what it would build with.
#   maintainer_test.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source_dir=$1
scratch=$2
command -v dpkg-parsechangelog > /dev/null || { echo "skipped: needs dpkg-dev"; exit 77; }
rm -rf "$scratch"
mkdir -p "$scratch/bin"
cat > "$scratch/bin/dpkg-buildpackage" <<'STUB'
#!/bin/sh
sed -n 's/^Maintainer: //p' debian/control
sed -n 's/^ -- \(.*>\)  .*/\1/p' debian/changelog | head -n 1
STUB
chmod +x "$scratch/bin/dpkg-buildpackage"
default=$(sed -n 's/^Maintainer: //p' "$source_dir/debian/control")
failures=0
check() {  # check EXPECTED [VARIABLE=VALUE...]
  local expected=$1 said
  shift
  said=$(env -u DEBFULLNAME -u DEBEMAIL "$@" PATH="$scratch/bin:$PATH" \
    "$source_dir/tools/build-package" "$scratch/out" | tail -n 2 | sort -u)
  if [ "$said" != "$expected" ]; then
    echo "FAILED with $*: got '$said', expected '$expected'"
    failures=$((failures + 1))
  fi
}
check "$default"
check "Jane Doe <jane@example.org>" DEBFULLNAME="Jane Doe" DEBEMAIL=jane@example.org
check "Jo Bloggs <jo@example.org>" DEBEMAIL="Jo Bloggs <jo@example.org>"
check "Jane Doe <${default##*<}" DEBFULLNAME="Jane Doe"
rm -rf "$scratch"
[ "$failures" -eq 0 ]
