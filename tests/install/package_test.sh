#!/bin/sh
# Makes the Debian package from the build and checks its files and fields
# without installing it: what `apt install ./ravelbook_VERSION_amd64.deb` would
# put on a Debian system, and what it would pull in.
#   package_test.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/ravelbook_"$version"_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$out/files"
dpkg-deb -f "$deb" >"$out/fields"

status=0
for file in /usr/bin/ravelbook /usr/libexec/ravelbook/ravelbook-mdb-reader \
    /usr/lib/ravelbook/libravelbook-window.so /usr/lib/ravelbook/libravelbook-print.so \
    /usr/lib/ravelbook/libravelbook-printers.so /usr/lib/ravelbook/libravelbook-online.so \
    /usr/share/applications/ravelbook.desktop /usr/share/icons/hicolor/scalable/apps/ravelbook.svg \
    /usr/share/icons/hicolor/48x48/apps/ravelbook.png /usr/share/man/man1/ravelbook.1 \
    /usr/share/metainfo/org.ravelbook.Ravelbook.metainfo.xml \
    /usr/share/ravelbook/translations/ravelbook_de.qm /usr/share/ravelbook/translations/ravelbook_fr.qm \
    /usr/share/ravelbook/translations/ravelbook_es.qm; do
    grep -qx "$file" "$out/files" || { echo "not in the package: $file"; status=1; }
done
# Nothing of the build's tests, benchmarks or tools goes along.
if grep -E 'test|bench|screenshot' "$out/files"; then echo "the package holds the above"; status=1; fi

field() { sed -n "s/^$1: //p" "$out/fields"; }
[ "$(field Package)" = ravelbook ] || { echo "wrong Package"; status=1; }
[ "$(field Version)" = "$version" ] || { echo "wrong Version"; status=1; }
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || { echo "wrong Architecture"; status=1; }
# Debian 12's packages: the libraries the binaries link, and the SQLite driver
# and fonts that Qt loads by name.
for package in libqt6widgets6 libqt6sql6 libqt6printsupport6 libqt6network6 libmdb3 libqt6keychain1 \
    libqt6sql6-sqlite fonts-liberation; do
    field Depends | tr ',' '\n' | grep -q "^ *$package\( \|$\)" ||
        { echo "Depends lacks $package: $(field Depends)"; status=1; }
done
field Recommends | grep -q libqt6sql6-psql || { echo "Recommends lacks the PostgreSQL driver"; status=1; }
for package in $(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//'); do
    dpkg-query -W "$package" >/dev/null 2>&1 || apt-cache show "$package" >/dev/null 2>&1 ||
        { echo "no such Debian package: $package"; status=1; }
done

dpkg-deb -x "$deb" "$out/root"
command -v appstreamcli >/dev/null || { echo "appstreamcli is missing"; exit 1; }
appstreamcli validate --no-net "$out/root/usr/share/metainfo/org.ravelbook.Ravelbook.metainfo.xml" \
    >"$out/validate" || { cat "$out/validate"; status=1; }
desktop-file-validate "$out/root/usr/share/applications/ravelbook.desktop" || status=1
# The menu entry speaks the languages the program does.
for language in de fr es; do
    grep -q "^Comment\[$language\]=" "$out/root/usr/share/applications/ravelbook.desktop" ||
        { echo "the menu entry has no comment in $language"; status=1; }
    grep -q "<lang[^>]*>$language</lang>" "$out/root/usr/share/metainfo/org.ravelbook.Ravelbook.metainfo.xml" ||
        { echo "the metainfo does not list $language"; status=1; }
done
exit $status
