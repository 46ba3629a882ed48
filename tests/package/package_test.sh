#!/usr/bin/env bash
# The Debian package, as a classroom machine gets it: built with CPack,
# unpacked with dpkg-deb into a scratch root and run from there with a fresh
# home and data folder, the build and source folders hidden (a tmpfs laid
# over them in a mount namespace of its own, where the system allows one).
# Checks the version, the first and second start, that a user's file survives
# a reinstall, the manual pages against --help, and the desktop entry, the
# AppStream data and lintian.
#
# package_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
version=$3
scratch=$(mktemp -d /tmp/pumpdrill-package-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The package, made from the tree as built.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/pkg" > "$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/pkg/tidewarden-pumpdrill_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
[ "$(dpkg-deb -f "$deb" Package)" = "tidewarden-pumpdrill" ] || fail "package name"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Qt is not among the computed dependencies"
dpkg-deb -f "$deb" Depends | grep -q libopenal1 || fail "OpenAL is not among the computed dependencies"

root=$scratch/root
install_package() { dpkg-deb -x "$deb" "$root"; }
install_package
for f in usr/bin/pumpdrill usr/bin/pumpdrill-sim usr/share/tidewarden-pumpdrill/panel04.dll \
         usr/share/tidewarden-pumpdrill/misc04.dll usr/share/icons/hicolor/scalable/apps/tidewarden-pumpdrill.svg \
         usr/share/icons/hicolor/16x16/apps/tidewarden-pumpdrill.png \
         usr/share/icons/hicolor/256x256/apps/tidewarden-pumpdrill.png \
         usr/share/man/man1/pumpdrill.1.gz usr/share/man/man1/pumpdrill-sim.1.gz \
         usr/share/doc/tidewarden-pumpdrill/copyright; do
  [ -e "$root/$f" ] || fail "$f is not in the package"
done
if grep -l "$build" "$root"/usr/bin/* > /dev/null; then fail "a program names the build folder"; fi
if readelf -d "$root"/usr/bin/* | grep -q 'R.*PATH'; then fail "a program keeps a library path"; fi

# Runs one command from the unpacked package, as a user with a fresh home,
# with the build and source folders out of reach.
home=$scratch/home
mkdir -p "$home"
hide=""
if unshare -m --propagation private true 2> /dev/null; then
  hide="mount -t tmpfs tmpfs '$build' && mount -t tmpfs tmpfs '$source' && "
else
  echo "note: no mount namespace here; the build folder stays visible"
fi
run() {
  local cmd
  cmd=$(printf "%q " "$@")
  if [ -n "$hide" ]; then
    (cd "$scratch" && env -i HOME="$home" XDG_DATA_HOME="$home/data" PATH=/usr/bin:/bin \
       QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null unshare -m --propagation private sh -c "$hide$cmd")
  else
    (cd "$scratch" && env -i HOME="$home" XDG_DATA_HOME="$home/data" PATH=/usr/bin:/bin \
       QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null sh -c "$cmd")
  fi
}
main=$home/data/tidewarden-pumpdrill
sim=$root/usr/bin/pumpdrill-sim

[ "$(run "$sim" --version | head -n 1)" = "pumpdrill-sim $version" ] || fail "pumpdrill-sim --version"
[ "$(run "$root/usr/bin/pumpdrill" --version | head -n 1)" = "pumpdrill $version" ] || fail "pumpdrill --version"

# First start: the main directory made with its six folders and seeded.
# A short exercise, from the shipped library when it has one.
run "$sim" --quiet --duration 3 > "$scratch/first.csv" || fail "the first run"
for d in Evols Snd Bmps Recs Ini Panels; do [ -d "$main/$d" ] || fail "$d was not made"; done
for d in Evols Panels Snd; do
  for f in "$root/usr/share/tidewarden-pumpdrill/$d"/*; do
    [ -e "$f" ] || continue
    cmp -s "$f" "$main/$d/$(basename "$f")" || fail "$d/$(basename "$f") was not seeded"
  done
done
evo=$(ls "$main"/Evols/*.EVO 2> /dev/null | head -n 1 || true)
if [ -n "$evo" ]; then
  run "$sim" --quiet --evolution "$evo" --duration 3 > "$scratch/first.csv" || fail "exercise $evo"
fi
[ "$(wc -l < "$scratch/first.csv")" -ge 3 ] || fail "the exercise wrote no samples"

# Second start changes nothing; a user's edited file survives a reinstall.
snapshot() { (cd "$main" && find Evols Panels Snd -type f -exec md5sum {} + | sort); }
before=$(snapshot)
run "$sim" --quiet --duration 1 > /dev/null
[ "$(snapshot)" = "$before" ] || fail "a second start changed the main directory"
edited=$(cd "$main" && find Evols Panels Snd -type f | sort | head -n 1)
if [ -n "$edited" ]; then
  echo "the user's own" > "$main/$edited"
  install_package
  run "$sim" --quiet --duration 1 > /dev/null
  [ "$(cat "$main/$edited")" = "the user's own" ] || fail "a reinstall replaced the user's $edited"
fi

# A main directory that cannot be written (here a read-only mount of it):
# reported once, and the run still goes on.
if [ -n "$hide" ]; then
  plain=$hide
  hide="$plain mount --bind '$main' '$main' && mount -o remount,bind,ro '$main' && "
  run "$sim" --duration 1 > /dev/null 2> "$scratch/ro.err" || fail "a read-only main directory stopped the run"
  [ "$(grep -c "cannot write to its main directory $main/" "$scratch/ro.err")" = 1 ] ||
    { cat "$scratch/ro.err"; fail "a read-only main directory was not reported once"; }
  hide=$plain
fi

# The windowed program starts from the package: its start-up log names the
# main directory and the installation's image libraries, and the main
# window is made (a missing library would stop it at a message).
log=$main/Ini/LASTINIT.TXT
wait_for_window='"$1" --no-splash > /dev/null 2>&1 & pid=$!; i=0; while [ $i -lt 80 ] && ! grep -q "^main form create2=OK" "$2" 2> /dev/null; do sleep 0.25; i=$((i + 1)); done; kill -9 $pid'
run sh -c "$wait_for_window" _ "$root/usr/bin/pumpdrill" "$log"
grep -q "^Main Dir=$main/\$" "$log" || fail "the start-up log does not name $main"
grep -q "^Library Dir=$root/usr/share/tidewarden-pumpdrill/\$" "$log" || fail "image libraries not from the package"
grep -q "^main form create2=OK" "$log" || { cat "$log"; fail "the main window was not made"; }

# The manual pages name exactly the options of --help.
for prog in pumpdrill pumpdrill-sim; do
  help=$(run "$root/usr/bin/$prog" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
  man=$(zcat "$root/usr/share/man/man1/$prog.1.gz" | sed 's/\\-/-/g' | grep -o -- '--[a-z][a-z-]*' | sort -u)
  [ "$help" = "$man" ] || fail "$prog.1 and --help name different options: $(diff <(echo "$help") <(echo "$man") | tr '\n' ' ')"
done

desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian"
echo "package test passed: $(basename "$deb")"
