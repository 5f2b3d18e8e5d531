#!/usr/bin/env bash
# Builds the Debian package marklow_VERSION_ARCH.deb into dist/ from a release build installed
# under /usr, then checks it with lintian (installed here if missing).
#   scripts/build-deb.sh             build, package and lint
#   scripts/build-deb.sh --no-lint   build and package only
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

lint=1
[ "${1:-}" = "--no-lint" ] && lint=0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# dpkg-shlibdeps (dpkg-dev) names the libraries' packages; fakeroot gives the files root's owner.
need=(dpkg-dev fakeroot file)
[ "$lint" = 1 ] && need+=(lintian)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=${MARKLOW_JOBS:-2}
# Debian's own compiler and linker flags, hardening included (as a package built by debhelper
# gets them); the build type adds nothing of its own.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  -DMARKLOW_TESTS=OFF -DMARKLOW_BENCH=OFF \
  ${MARKLOW_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$MARKLOW_LAUNCHER} >/dev/null
cmake --build build-deb -j"$jobs"
mkdir -p dist
(cd build-deb && fakeroot cpack -G DEB -B "$PWD/../dist" >/dev/null)
rm -rf dist/_CPack_Packages
deb=$(ls -t dist/marklow_*.deb | head -1)
echo "$deb: $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

if [ "$lint" = 1 ]; then
  # Errors fail the build; warnings and notes are printed for the record.
  lintian --info --display-info "$deb" || { echo "lintian found errors" >&2; exit 1; }
fi
