#!/usr/bin/env bash
# Installs the built game into a private prefix, checks the installed layout and the desktop
# files, then starts the installed game headless from an unrelated folder with a private home.
# Usage: installed_game_test.sh BUILD_DIR
set -euo pipefail

build=$1
app_id=io.github.morvelracing.MorvelRacing
work=$(mktemp -d "${TMPDIR:-/tmp}/morvel-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log" >&2
  fail "cmake --install"
}

expected=(
  bin/morvel-racing
  libexec/morvel-racing
  share/morvel-racing/Data/data1.oil
  share/morvel-racing/Data/data2.oil
  share/morvel-racing/Data/data13.prd
  share/morvel-racing/Sounds/1.xm
  share/morvel-racing/Sounds/finish.wav
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  share/man/man6/morvel-racing.6
  bin/morvel-scores
  share/man/man8/morvel-scores.8
  lib/systemd/system/morvel-scores.service
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
  [[ -s "$prefix/$file" ]] || fail "$file is not installed"
done
# The shortcut files and the closing screen exist only when the build was given the publisher's
# addresses; whatever of them the build wrote is installed.
for file in website.url moregames.url play.url wdata/config.ini; do
  if [[ -e "$build/game/$file" ]]; then
    [[ -s "$prefix/share/morvel-racing/$file" ]] || fail "$file is not installed"
  else
    [[ ! -e "$prefix/share/morvel-racing/$file" ]] || fail "$file is installed but was not built"
  fi
done
# Only what the game reads goes into its folder: neither the program nor anyone's settings.
for stray in morvel-racing Config.cfg Configdat.cfg; do
  [[ ! -e "$prefix/share/morvel-racing/$stray" ]] || fail "share/morvel-racing/$stray is installed"
done

# The score server's unit starts the installed program.
grep -qx "ExecStart=$prefix/bin/morvel-scores .*" "$prefix/lib/systemd/system/morvel-scores.service" ||
  fail "the systemd unit does not start $prefix/bin/morvel-scores"
"$prefix/bin/morvel-scores" --help | grep -q -- "--listen" || fail "the installed score server does not start"

# Each icon is a PNG picture of the size its folder names.
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  header=$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')
  [[ "$header" == "$(printf '%08x%08x' "$size" "$size")" ]] || fail "$icon is not $size x $size"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate is missing: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
else
  echo "appstreamcli is missing: the software-centre entry is not validated"
fi

# The installed game, started from an unrelated folder by a player with a private home.
mkdir -p "$work/elsewhere" "$work/home"
cd "$work/elsewhere"
status=0
HOME=$work/home XDG_DATA_HOME=$work/home/data \
  "$prefix/bin/morvel-racing" --headless --render null --virtual-clock --frames 30 \
  >"$work/stdout" 2>"$work/stderr" || status=$?
cat "$work/stderr" >&2
((status == 0)) || fail "the installed game exited with $status"
if grep -E "no picture named|Cannot be loaded|Error loading|cannot" "$work/stderr" >/dev/null; then
  fail "the installed game did not find its files"
fi
[[ -z "$(ls -A "$work/elsewhere")" ]] || fail "the game wrote into the folder it was started from"
echo "installed game ran from $work/elsewhere"

# Without the game proper beside it, the program the player starts names what it could not start.
mv "$prefix/libexec/morvel-racing" "$work/game-proper"
status=0
"$prefix/bin/morvel-racing" --version >"$work/stdout" 2>"$work/stderr" || status=$?
((status == 1)) || fail "without the game proper the program exited with $status"
grep -q "cannot start the game .*libexec/morvel-racing: No such file or directory" "$work/stderr" ||
  fail "without the game proper the program said: $(cat "$work/stderr")"
