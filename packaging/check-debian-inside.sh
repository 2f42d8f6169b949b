#!/bin/sh
# Run inside the chroot by check-debian.sh: builds, tests and lints the package in /build, leaves
# the packages and lintian's report in /build/out. Argument: yes to run Orca's check and the
# program on sway as well.
set -eu
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
cd /build
mkdir -p out
. /etc/os-release
echo "== $PRETTY_NAME"
tar -xf planetarch_*.orig.tar.xz
dir=$(ls -d planetarch-*/)
tar -xf debian.tar -C "$dir"
cd "$dir"
apt-get update -qq
apt-get build-dep -y -qq ./ >/dev/null
dpkg-query -W -f='Qt ${Version}\n' qt6-base-dev
started=$(date +%s)
if ! dpkg-buildpackage -us -uc -j2 >../out/build.log 2>&1; then
  grep -E '^(FAIL|[0-9]+/[0-9]+ Test|The following tests FAILED|	)' ../out/build.log || true
  tail -n 40 ../out/build.log
  exit 1
fi
grep -E 'tests passed|tests failed' ../out/build.log || true
echo "dpkg-buildpackage: $(( $(date +%s) - started )) s"
cd ..
for file in planetarch_*; do
  case "$file" in *.orig.tar.xz) ;; *) cp "$file" out/ ;; esac
done
cp planetarch_*.orig.tar.xz out/
sh /build/lint.sh "$(ls planetarch_*.changes)" | tee out/lintian.txt
grep -q '^lintian .*: no errors' out/lintian.txt
sha256sum planetarch_*.deb planetarch-dbgsym_*.deb 2>/dev/null | tee out/SHA256SUMS
if [ "${1:-no}" = yes ]; then
  apt-get install -y -qq --no-install-recommends orca openbox xdotool dbus at-spi2-core \
    python3 >/dev/null
  "$dir"/obj-*/tests/app/check-screenreader
  apt-get install -y -qq --no-install-recommends sway wtype grim qt6-wayland >/dev/null
  "$dir"/obj-*/tests/app/check-desktops sway
fi
