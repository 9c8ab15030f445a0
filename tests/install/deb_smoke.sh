#!/usr/bin/env bash
# The Debian package as a school would get it: built by CPack, unpacked with dpkg -x into a
# scratch folder, and the program started there as its desktop entry starts it, on a private
# 1920 x 1080 Xvfb display. Every step has a time limit, so that nothing can hang.
#   deb_smoke.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "deb_smoke: $*" >&2; exit 1; }

# Build the package into the scratch folder (staging and all).
timeout 240 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/pkg" \
    >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$scratch/pkg" -maxdepth 1 -name 'brindlemark_*.deb' | head -n 1)
[[ -n "$deb" ]] || fail "no package was made"

# The dependencies a fresh machine needs to bring in.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation xdg-utils; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
# Reading aloud: the speech service, recommended so that a school may leave it out.
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng; do
    [[ "$recommends" == *"$wanted"* ]] || fail "Recommends lacks $wanted: $recommends"
done

# Debian's own checks of the package. Run as root, lintian first says that it is: a notice
# on its standard error, not a finding, so only its findings and its exit status count.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/install-deps.sh)"
timeout 180 lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>"$scratch/lintian.err" ||
    { cat "$scratch/lintian.log" "$scratch/lintian.err" >&2; fail "lintian found faults"; }

root="$scratch/root"
dpkg -x "$deb" "$root"
# lintian does not compare the changelog with the package: its newest entry must be this
# version, or the changelog was left behind when the version was raised.
version=$(dpkg-deb -f "$deb" Version)
doc="$root/usr/share/doc/brindlemark"
newest=$(gzip -dc "$doc/changelog.gz" | head -n 1)
[[ "$newest" == "brindlemark ($version) "* ]] || fail "changelog does not start at $version: $newest"
entry="$root/usr/share/applications/org.brindlemark.Brindlemark.desktop"
[[ -f "$entry" ]] || fail "no desktop entry"
[[ -f "$root/usr/share/icons/hicolor/256x256/apps/brindlemark.png" ]] || fail "no icon"
metainfo="$root/usr/share/metainfo/org.brindlemark.Brindlemark.metainfo.xml"
[[ -f "$metainfo" ]] || fail "no metainfo"
if command -v appstreamcli >/dev/null; then
    timeout 60 appstreamcli validate --no-net "$metainfo" >&2 || fail "metainfo is not valid"
fi
# The teacher's Activity Maker has an entry and an icon of its own, and is the metainfo's
# second launchable.
maker_entry="$root/usr/share/applications/org.brindlemark.Brindlemark.Maker.desktop"
[[ -f "$maker_entry" ]] || fail "no desktop entry for the Activity Maker"
[[ -f "$root/usr/share/icons/hicolor/256x256/apps/brindlemark-maker.png" ]] ||
    fail "no icon for the Activity Maker"
grep -q '^Exec=brindlemark --maker' "$maker_entry" || fail "the Maker's entry does not start it"
grep -q 'org.brindlemark.Brindlemark.Maker.desktop</launchable>' "$metainfo" ||
    fail "the Maker is not a launchable of the metainfo"
if command -v desktop-file-validate >/dev/null; then
    for e in "$entry" "$maker_entry"; do
        timeout 30 desktop-file-validate "$e" >&2 || fail "$(basename "$e") is not valid"
    done
fi
grep -q '^Categories=Education;' "$entry" || fail "not in the Education category"
grep -q '^Categories=Education;' "$maker_entry" || fail "the Maker is not in Education"
mime="$root/usr/share/mime/packages/org.brindlemark.Brindlemark.xml"
[[ -f "$mime" ]] || fail "no MIME type for shared activities"
"$(dirname "$0")/mime_type.sh" "$mime" >&2 || fail "the MIME type is not valid"
# A double click on a shared activity opens it in the Maker, for import.
grep -q '^MimeType=application/x-brindlemark-activity;$' "$maker_entry" ||
    fail "the Maker's entry does not take shared activities"
grep -q '^Exec=brindlemark --maker %f$' "$maker_entry" || fail "the Maker's entry takes no file"

# Start it as the desktop entry does: Exec in the folder named by Path, both under the
# scratch root instead of /.
exec_name=$(sed -n 's/^Exec=//p' "$entry")
path=$(sed -n 's/^Path=//p' "$entry")
[[ "$path" == /* ]] || fail "Path is not absolute: $path"
[[ -f "$root$path/Images/sunflowersm.jpg" ]] || fail "no pictures in $path"
program="$root/usr/bin/$exec_name"
[[ -x "$program" ]] || fail "no program $exec_name"

cat >"$scratch/session.sh" <<'SESSION'
#!/usr/bin/env bash
# Inside the X session: start the program, wait for its title window, look, end it.
program=$1 folder=$2
cd "$folder"
unset QT_QPA_PLATFORM  # as from a desktop: the X display, not the tests' offscreen one
"$program" &
pid=$!
tree=""
for _ in $(seq 1 50); do
    sleep 0.2
    kill -0 "$pid" 2>/dev/null || { echo "the program ended by itself" >&2; exit 1; }
    tree=$(xwininfo -root -tree 2>/dev/null || true)
    grep -q '"brindlemark"' <<<"$tree" && break
done
sleep 1
alive=0
kill -0 "$pid" 2>/dev/null && alive=1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[[ $alive == 1 ]] || { echo "the program did not stay up" >&2; exit 1; }
# A 1080-line display gives scale 1.75: the title screen with its picture found is 364 x 445
# pixels at scale 1, so 637 x 779 here (without its picture it would be full-size instead).
grep '"brindlemark"' <<<"$tree" | grep -q ' 637x779+' ||
    { echo "no title screen with its picture:" >&2; echo "$tree" >&2; exit 1; }
SESSION
chmod +x "$scratch/session.sh"
timeout 60 xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" \
    "$scratch/session.sh" "$program" "$root$path" || fail "the program did not start properly"
echo "deb_smoke: $(basename "$deb") unpacks, validates and starts"
