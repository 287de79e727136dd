#!/usr/bin/env bash
# Installs the build into a temporary prefix, as a user would with cmake --install, and builds
# the C smoke program against the installed tree through pkg-config alone; the program then runs
# on the installed libtovserver.so.
#
# Usage: install_test.sh BUILD_DIR SMOKE_SOURCE VERSION C_COMPILER [EXTRA_C_FLAGS...]
# (the extra flags are the build's own, such as its sanitizers).
set -euo pipefail
build=$1 smoke=$2 version=$3 cc=$4
shift 4
major=${version%%.*}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "install test: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" || {
    cat "$prefix/install.log" >&2
    fail "cmake --install failed"
}
for file in bin/tov-play include/tov/tov.h lib/libtovserver.so lib/pkgconfig/tovserver.pc; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/tov-play" ] || fail "bin/tov-play is not executable"
# The development name links to the SONAME, which names the major version only.
[ "$(readlink "$prefix/lib/libtovserver.so")" = "libtovserver.so.$major" ] ||
    fail "lib/libtovserver.so does not link to libtovserver.so.$major"
soname=$(objdump -p "$prefix/lib/libtovserver.so.$major" | awk '$1 == "SONAME" { print $2 }')
[ "$soname" = "libtovserver.so.$major" ] || fail "SONAME is '$soname'"

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
found=$(pkg-config --modversion tovserver) || fail "pkg-config does not find tovserver"
[ "$found" = "$version" ] || fail "tovserver.pc says version $found, the build $version"
# shellcheck disable=SC2046 # pkg-config's output is a list of flags
"$cc" "$@" $(pkg-config --cflags tovserver) "$smoke" -o "$prefix/smoke" \
    $(pkg-config --libs tovserver) || fail "the smoke program does not build against the prefix"
LD_LIBRARY_PATH=$prefix/lib "$prefix/smoke" "$prefix/screen.png" ||
    fail "the smoke program failed with status $?"
ldd_line=$(LD_LIBRARY_PATH=$prefix/lib ldd "$prefix/smoke" | grep libtovserver)
[[ "$ldd_line" == *"$prefix/lib/libtovserver.so.$major"* ]] ||
    fail "the smoke program loads $ldd_line"
"$prefix/bin/tov-play" --help >/dev/null || fail "the installed tov-play does not run"
echo "install test: passed ($prefix)"
