#!/bin/sh
# Installs the build into a temporary prefix and checks that the program, its
# desktop entry, icons and manual page land where a desktop looks for them.
#   install_test.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
for file in bin/ravelbook libexec/ravelbook/ravelbook-mdb-reader "$libdir/ravelbook/libravelbook-window.so" \
    "$libdir/ravelbook/libravelbook-print.so" "$libdir/ravelbook/libravelbook-printers.so" \
    "$libdir/ravelbook/libravelbook-online.so" \
    share/applications/ravelbook.desktop \
    share/icons/hicolor/scalable/apps/ravelbook.svg share/man/man1/ravelbook.1; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; status=1; }
done
for size in 16 24 32 48 64 128 256; do
    file=share/icons/hicolor/${size}x${size}/apps/ravelbook.png
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; status=1; }
done

command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is missing"; exit 1; }
desktop-file-validate "$prefix/share/applications/ravelbook.desktop" || status=1

[ "$("$prefix/bin/ravelbook" --version)" = "ravelbook $version" ] || { echo "wrong --version"; status=1; }

# The installed program finds its installed Access reader, which refuses a file that is not Access.
head -c 8192 /dev/zero | tr '\0' x >"$prefix/not-access.mdb"
XDG_CONFIG_HOME="$prefix/config" "$prefix/bin/ravelbook" import --dry-run \
    --database "$prefix/none.db" "$prefix/not-access.mdb" 2>&1 | grep -q "it is not an Access database" ||
    { echo "the installed program does not reach its Access reader"; status=1; }

# The installed program finds its window, its print command and its printers,
# each a library of its own.
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$prefix/config" XDG_RUNTIME_DIR="$prefix" \
    "$prefix/bin/ravelbook" --database "$prefix/not-access.mdb" 2>&1 |
    grep -q "not a Ravelbook address book" || { echo "the installed program does not open its window"; status=1; }
XDG_CONFIG_HOME="$prefix/config" XDG_RUNTIME_DIR="$prefix" "$prefix/bin/ravelbook" print \
    --calibration-sheet --stationery cards --printer "No Such Printer" 2>&1 |
    grep -q "There is no printer named" || { echo "the installed program does not reach its printers"; status=1; }

# The manual covers the window and every subcommand, at this version.
for text in "Ravelbook $version" "Find" "New Book" "ravelbook print" "ravelbook import" \
    "ravelbook export" '\-\-version'; do
    grep -qF -- "$text" "$prefix/share/man/man1/ravelbook.1" || { echo "manual lacks: $text"; status=1; }
done
exit $status
