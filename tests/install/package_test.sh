#!/usr/bin/env bash
# package_test.sh CPACK BUILD_DIR
# Makes the Debian package into a temporary folder and checks its control
# fields (the run-time libraries as dpkg-shlibdeps found them, the dictionary
# recommendations, Wine as a suggestion) and where its files go.
set -euo pipefail
cpack_command=$1
build=$2

if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "dpkg-deb or dpkg-shlibdeps not found (dpkg-dev): no package made"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cpack_command" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}
packages=("$work"/scrivlet_*_*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "FAIL: no scrivlet_VERSION_ARCH.deb made" >&2
    exit 1
fi
deb=${packages[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = scrivlet ] || fail "Package: $(field Package)"
depends=$(field Depends)
for needed in qt6-qpa-plugins libqt6core6 libqt6gui6 libqt6widgets6 libhunspell- libmythes- libc6 libstdc++6; do
    case ", $depends" in
        *", $needed"*) ;;
        *) fail "Depends lacks $needed: $depends" ;;
    esac
done
[ "$(field Recommends)" = "hunspell-en-us | hunspell-dictionary, mythes-en-us" ] ||
    fail "Recommends: $(field Recommends)"
[ "$(field Suggests)" = wine ] || fail "Suggests: $(field Suggests)"

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents.txt"
for file in ./usr/bin/scrivlet ./usr/bin/hcrtf \
    ./usr/share/applications/org.scrivlet.Scrivlet.desktop \
    ./usr/share/applications/org.scrivlet.Scrivlet.Viewer.desktop \
    ./usr/share/mime/packages/org.scrivlet.Scrivlet.xml \
    ./usr/share/metainfo/org.scrivlet.Scrivlet.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.scrivlet.Scrivlet.svg \
    ./usr/share/icons/hicolor/16x16/apps/org.scrivlet.Scrivlet.png \
    ./usr/share/man/man1/scrivlet.1.gz ./usr/share/man/man1/hcrtf.1.gz; do
    grep -qxF "$file" "$work/contents.txt" || fail "not in the package: $file"
done
# Nothing outside /usr: a package that writes into /usr/local or /etc, or
# keeps the build machine's prefix, would not remove cleanly.
if grep -v '^\./$' "$work/contents.txt" | grep -v '^\./usr/' >"$work/outside.txt"; then
    fail "files outside /usr: $(tr '\n' ' ' <"$work/outside.txt")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$(basename "$deb"): Depends: $depends"
