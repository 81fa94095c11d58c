#!/bin/sh
# Installs the build into a scratch DESTDIR and checks the installed files: the fixed ones exactly, the program's
# staged files by what the program cannot start without, and no user data. Usage: check-install.sh BUILD_DIR
set -eu
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr > /dev/null
cd "$dest/usr"
id=org.quillmere.Quillmere
expected="bin/quillmere
bin/quillmere-cli
share/applications/$id.desktop
share/metainfo/$id.metainfo.xml
share/man/man1/quillmere.1
share/man/man1/quillmere-cli.1
share/doc/Quillmere/LICENSE
share/doc/Quillmere/THIRD-PARTY-NOTICES.md
share/quillmere/help/index.html
share/quillmere/decks/classic-1909/PROVENANCE.md"
for size in 16 22 24 32 48 64 128 256 512; do
    expected="$expected
share/icons/hicolor/${size}x${size}/apps/$id.png"
done
for i in 0 1 2 3 4 5 6 7; do
    expected="$expected
share/quillmere/pic/c$i.jpg"
done
# Every built-in deck in card index order, at the card size and at twice it.
for deck in classic-1909 quillmere-emblems; do
    i=0
    while [ $i -le 77 ]; do
        expected="$expected
share/quillmere/decks/$deck/r$i.jpg
share/quillmere/decks/$deck/r$i@2x.jpg"
        i=$((i + 1))
    done
done
status=0
for file in $expected; do
    [ -f "$file" ] || { echo "missing from the install: /usr/$file"; status=1; }
done
# Outside the program's own folder nothing but the fixed files (and third-party notices) may be installed.
find . -type f ! -path './share/quillmere/*' ! -path './share/doc/Quillmere/*' | sed 's|^\./||' | sort > "$dest/found"
echo "$expected" | grep -v '^share/quillmere/\|^share/doc/' | sort > "$dest/fixed"
if ! diff -u "$dest/fixed" "$dest/found"; then echo "unexpected files installed"; status=1; fi
[ ! -e share/quillmere/cards ] || { echo "a stale cards folder was installed"; status=1; }
# The staged decks stay small enough to download and install quickly.
decks_kb=$(du -sk share/quillmere/decks | cut -f1)
[ "$decks_kb" -le 20480 ] || { echo "the built-in decks take ${decks_kb} KB, more than 20 MB"; status=1; }
for data in vt.dll temp misc; do
    [ ! -e "share/quillmere/$data" ] || { echo "user data installed: /usr/share/quillmere/$data"; status=1; }
done
desktop-file-validate "share/applications/$id.desktop"
appstreamcli validate --no-net "share/metainfo/$id.metainfo.xml"
[ $status -eq 0 ] && echo "install checked: $(find . -type f | wc -l) files"
exit $status
