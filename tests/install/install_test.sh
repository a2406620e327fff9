#!/usr/bin/env bash
# install_test.sh CMAKE BUILD_DIR SOURCE_DIR
# Installs into a temporary prefix and checks what lands where, then moves
# the prefix (as a relocated install would be) and runs the installed
# programs: scrivlet --help, and scrivlet --build on the sample project with
# no compiler chosen, which must find the installed hcrtf by itself.
set -euo pipefail
cmake_command=$1
build=$2
source=$3
id=org.scrivlet.Scrivlet

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cmake_command" --install "$build" --prefix "$work/prefix" >"$work/install.log"

expected=(
    bin/scrivlet
    bin/hcrtf
    "share/applications/$id.desktop"
    "share/applications/$id.Viewer.desktop"
    "share/mime/packages/$id.xml"
    "share/metainfo/$id.metainfo.xml"
    share/man/man1/scrivlet.1.gz
    share/man/man1/hcrtf.1.gz
    "share/icons/hicolor/scalable/apps/$id.svg"
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
# The user guide is installed when the build made it.
for guide in scrivlet.hlp scrivlet.cnt; do
    if [ -f "$build/$guide" ]; then
        expected+=("share/scrivlet/$guide")
    fi
done
for file in "${expected[@]}"; do
    [ -f "$work/prefix/$file" ] || fail "not installed: $file"
done
for program in bin/scrivlet bin/hcrtf; do
    [ -x "$work/prefix/$program" ] || fail "not executable: $program"
done

# Each PNG is as large as the folder it lies in says (width and height are
# the big-endian words at bytes 16 and 20 of the file).
for size in "${sizes[@]}"; do
    png="$work/prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || continue
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
    height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
    if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
        fail "${size}x${size} icon is ${width}x${height}"
    fi
done

# The man pages are gzip files that read back to the pages we wrote.
for page in scrivlet.1 hcrtf.1; do
    gzip -dc "$work/prefix/share/man/man1/$page.gz" | cmp -s - "$source/data/man/$page" ||
        fail "share/man/man1/$page.gz is not data/man/$page"
done

# From here on the install lives somewhere else than where it was put.
mv "$work/prefix" "$work/moved"
prefix="$work/moved"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME"

if ! "$prefix/bin/scrivlet" --help >"$work/help.txt"; then
    fail "scrivlet --help failed"
fi
head -n 1 "$work/help.txt" | grep -qx 'Usage: scrivlet \[PROJECT.scw\]' ||
    fail "scrivlet --help printed: $(head -n 1 "$work/help.txt")"
"$prefix/bin/hcrtf" --help >"$work/hcrtf-help.txt" || fail "hcrtf --help failed"
head -n 1 "$work/hcrtf-help.txt" | grep -q '^Usage: hcrtf ' || fail "hcrtf --help printed no usage"

mkdir "$work/project"
cp "$source/examples/manual/manual.scw" "$work/project/"
if ! "$prefix/bin/scrivlet" --build "$work/project/manual.scw" >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    fail "the installed scrivlet --build failed"
fi
help_file="$work/project/manual.hlp"
if [ -f "$help_file" ]; then
    # A help file starts with its magic number, 0x00035F3F little-endian.
    [ "$(od -An -tx1 -N4 "$help_file" | tr -d ' \n')" = "3f5f0300" ] ||
        fail "manual.hlp does not start as a help file"
else
    fail "the installed scrivlet --build wrote no manual.hlp"
fi

# Desktop entries and AppStream data, with the freedesktop tools when the
# machine has them (desktop-file-utils, appstream).
if command -v desktop-file-validate >/dev/null; then
    for entry in "$prefix"/share/applications/*.desktop; do
        desktop-file-validate "$entry" || fail "desktop-file-validate $(basename "$entry")"
    done
else
    echo "desktop-file-validate not found: desktop entries not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
else
    echo "appstreamcli not found: AppStream data not validated"
fi

# The MIME types compile, and the help viewer is what opens a help file.
if command -v update-mime-database >/dev/null; then
    XDG_DATA_HOME="$prefix/share" update-mime-database "$prefix/share/mime"
    grep -q '^50:application/x-scrivlet-project:\*\.scw$' "$prefix/share/mime/globs2" ||
        fail "no *.scw glob in the MIME database"
    grep -q '^50:application/winhlp:\*\.hlp$' "$prefix/share/mime/globs2" ||
        fail "no *.hlp glob in the MIME database"
    grep -aq '^\[50:application/winhlp\]$' "$prefix/share/mime/magic" ||
        fail "no help file magic in the MIME database"
    grep -qx 'application/x-winhelp application/winhlp' "$prefix/share/mime/aliases" ||
        fail "application/x-winhelp is no alias of application/winhlp"
fi
if command -v gio >/dev/null && [ -f "$prefix/share/mime/mime.cache" ]; then
    # A help file is known by its first bytes whatever its name.
    printf '\x3f\x5f\x03\x00\xff\xff\xff\xff' >"$work/guide.bin"
    type=$(XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$work/none" \
        gio info -a standard::content-type "$work/guide.bin" | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = "application/winhlp" ] || fail "a file with the help file magic is \"$type\""
fi
if command -v update-desktop-database >/dev/null && command -v xdg-mime >/dev/null; then
    update-desktop-database "$prefix/share/applications"
    # By the shared database's name, file(1)'s and mail programs'.
    for type in application/winhlp application/winhelp application/x-winhelp; do
        default=$(env -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
            XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$work/none" xdg-mime query default "$type")
        [ "$default" = "$id.Viewer.desktop" ] || fail "$type opens with \"$default\""
    done
    default=$(env -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
        XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$work/none" \
        xdg-mime query default application/x-scrivlet-project)
    [ "$default" = "$id.desktop" ] || fail "projects open with \"$default\""
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed, moved and ran: all checks passed"
