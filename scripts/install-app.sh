#!/bin/sh
# Copies the staged application folder to its installed place. The program's own files (the executable,
# the card and spread pictures, the help page) are replaced; the profile store vt.dll is created only when
# missing, and profile folders, misc and saved readings are never touched.
set -eu
stage=$1
target=$2
mkdir -p "$target"
install -m 755 "$stage/quillmere" "$target/quillmere"
for dir in cards pic help; do
    if [ -d "$stage/$dir" ]; then
        mkdir -p "$target/$dir"
        cp -R "$stage/$dir/." "$target/$dir/"
    fi
done
[ -e "$target/vt.dll" ] || : > "$target/vt.dll"
