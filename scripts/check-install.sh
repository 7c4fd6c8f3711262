#!/usr/bin/env bash
# Installs a built tree the way a user or a package does (cmake --install into a DESTDIR, the
# Debian package from the same install script) and checks the result with the desktop's own
# tools. Linux only; run by scripts/run-tests.sh after the test suite.
#   scripts/check-install.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache CMAKE_PROJECT_VERSION)
usr="$work/stage/usr"

DESTDIR="$work/stage" "$(cache CMAKE_COMMAND)" --install "$build" --prefix /usr >/dev/null
(cd "$work/stage" && find . ! -type d | sort) >"$work/tree"
for f in lib/curvescope/curvescope share/applications/curvescope.desktop \
    share/mime/packages/curvescope.xml share/metainfo/example.orvanta.curvescope.metainfo.xml \
    share/man/man1/curvescope.1.gz share/curvescope/demo/configuration.tlx; do
    [ -f "$usr/$f" ] && [ ! -L "$usr/$f" ] || fail "$f is not installed"
done
# Relative, so the tree works below DESTDIR, in the package and under any prefix.
[ "$(readlink "$usr/bin/curvescope")" = ../lib/curvescope/curvescope ] || fail "bin link"
(cd "$build/bin/language" && find . -name '*.qm' -o -name '*.png' | sort) >"$work/built"
(cd "$usr/lib/curvescope/language" && find . -type f | sort) >"$work/copied"
cmp -s "$work/built" "$work/copied" || fail "language folder differs from the build's"
diff -r "$root/samples/demo" "$usr/share/curvescope/demo" >/dev/null || fail "demo set differs"
gzip -dc "$usr/share/man/man1/curvescope.1.gz" | cmp -s - "$root/packaging/curvescope.1" \
    || fail "manual page"
[ "$(file "$usr"/share/icons/hicolor/*/apps/curvescope.png | grep -Ec '/([0-9]+)x\1/apps/curvescope.png: +PNG image data, \1 x \1,')" = 7 ] \
    || fail "icons"

desktop="$usr/share/applications/curvescope.desktop"
[ -z "$(desktop-file-validate "$desktop")" ] || fail "desktop entry: $(desktop-file-validate "$desktop")"
# The file manager passes one file: the program opens exactly one command-line file.
for key in 'Exec=curvescope %f' Icon=curvescope 'MimeType=application/x-curvescope-trend;'; do
    grep -qxF "$key" "$desktop" || fail "desktop entry lacks $key"
done
metainfo="$usr/share/metainfo/example.orvanta.curvescope.metainfo.xml"
# Menu entry and software centres speak every shipped language (pt_BR, zh_CN under a country).
for lang in $(ls "$root/language" | sed -n 's/^CurveScope_\(.*\)\.ts$/\1/p'); do
    grep -Eq "^Comment\[$lang(_[A-Z]{2})?\]=" "$desktop" || fail "desktop entry lacks $lang"
    grep -Eq "<summary xml:lang=\"$lang(_[A-Z]{2})?\">" "$metainfo" || fail "metainfo lacks $lang"
done
xmllint --noout "$usr/share/mime/packages/curvescope.xml"
update-mime-database "$usr/share/mime" 2>"$work/mime.log"
! grep -Eq 'Unknown|rror' "$work/mime.log" || fail "MIME type: $(cat "$work/mime.log")"
# Case-sensitive, like the program itself: SPEED.TLX is refused there and not offered here.
grep -qxF '50:application/x-curvescope-trend:*.tlx:cs' "$usr/share/mime/globs2" || fail "glob"
appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.log" \
    || fail "metainfo: $(cat "$work/appstream.log")"
grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -1 | grep -q "\"$version\"" \
    || fail "the newest release in the metainfo is not $version"
gzip -dc "$usr/share/doc/curvescope/changelog.gz" | head -1 | grep -q "^curvescope ($version) " \
    || fail "the newest changelog entry is not $version"

# CPack's DEB generator over the build's install script, without building anything first;
# stripped as CPACK_STRIP_FILES strips the project's own install.
printf 'set(CMAKE_INSTALL_PREFIX "${CPACK_PACKAGING_INSTALL_PREFIX}")\nset(CMAKE_INSTALL_DO_STRIP 1)\ninclude("%s")\n' \
    "$build/cmake_install.cmake" >"$work/install.cmake"
printf 'include("%s")\nset(CPACK_INSTALL_CMAKE_PROJECTS "")\nset(CPACK_INSTALL_SCRIPTS "%s")\n' \
    "$build/CPackConfig.cmake" "$work/install.cmake" >"$work/cpack.cmake"
"$(cache CMAKE_CPACK_COMMAND)" -G DEB --config "$work/cpack.cmake" -B "$work/deb" >/dev/null
deb="$work/deb/curvescope_${version}_$(dpkg --print-architecture).deb"
[ "$(dpkg-deb --field "$deb" Package Version)" = "Package: curvescope
Version: $version" ] || fail "package name or version"
# Chinese and Japanese texts need a font with their characters.
dpkg-deb --field "$deb" Recommends | grep -q fonts-noto-cjk || fail "no CJK font recommended"
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt5widgets5 libqwt-qt5-6 libpoppler-qt5-1 libc6; do
    grep -Eq "(^|, )$package \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
dpkg-deb -x "$deb" "$work/unpacked"
diff "$work/tree" <(cd "$work/unpacked" && find . ! -type d | sort) \
    || fail "the package holds other files than cmake --install"
! dpkg-deb --contents "$deb" | grep -v ' root/root ' || fail "files not owned by root"
# Debian's package checker: no error and no warning.
lintian --fail-on error,warning "$deb" 2>/dev/null >"$work/lintian.log" \
    || fail "lintian: $(cat "$work/lintian.log")"
apt-get --simulate -o Debug::NoLocking=1 install "$deb" | grep -q "Inst curvescope ($version " \
    || fail "apt cannot install the package"
echo "check-install: installed tree and Debian package are fine"
