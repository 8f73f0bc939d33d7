#!/usr/bin/env bash
# Builds the Debian package and the source tarball of the committed tree:
#   scripts/package.sh [output-dir]        (default: dist/)
# The tree at HEAD is exported into a scratch folder first, so neither local changes nor build
# folders reach a package. The .deb's dependencies are computed by dpkg-shlibdeps from the
# libraries the programs link.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-$root/dist}" && cd "${1:-$root/dist}" && pwd)"

"$root/scripts/install-deps.sh"
if [ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]; then
    echo "Note: uncommitted changes are not packaged; the packages hold HEAD." >&2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
git -C "$root" archive --format=tar --prefix=pictorb/ HEAD | tar -x -C "$work"

launcher=()
if command -v ccache >/dev/null; then
    # Paths inside the scratch folder are hashed relative to it, so a later run hits the cache.
    export CCACHE_BASEDIR="$work"
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$work/pictorb" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
    -DPICTORB_TESTS=OFF -DPICTORB_BENCHMARKS=OFF "${launcher[@]}"
cmake --build "$work/build" -j "$(nproc)"
(
    cd "$work/build"
    cpack -G DEB
    cpack --config CPackSourceConfig.cmake
)
deb="$(echo "$work"/build/pictorb_*.deb)"
tarball="$(echo "$work"/build/pictorb-*.tar.gz)"
cp "$deb" "$tarball" "$out/"
dpkg-deb --field "$deb" Package Version Depends Recommends
echo "Written: $out/$(basename "$deb") $out/$(basename "$tarball")"
