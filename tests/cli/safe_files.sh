#!/usr/bin/env bash
# No command writes over one of its own inputs, a special file or a read-only
# file, none leaves a partial or temporary file behind when a write fails,
# none waits on a pipe, and file names outside Windows-1252 work.
set -u
exe=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
be32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) $(($1 >> 8 & 255)) $(($1 & 255)); }
# A valid Sun audio file with $2 samples.
make_au() {
  { printf "$(be32 0x2E736E64)$(be32 24)$(be32 "$2")$(be32 1)$(be32 8000)$(be32 1)"
    head -c "$2" /dev/zero | tr '\0' '\177'; } >"$1"
}
# Runs a command that must fail with status 1 and exactly the message $1 on
# standard error.
refused() {
  local want=$1
  shift
  timeout 20 "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  [ $rc -eq 1 ] || fail "status $rc, not 1: $* ($(cat "$work/err"))"
  [ "$(cat "$work/err")" = "$want" ] || fail "message for $*: '$(cat "$work/err")', want '$want'"
}
# No temporary file left in the folder $1.
no_leftovers() {
  local left
  left=$(find "$1" -name '.*.tmp')
  [ -z "$left" ] || fail "temporary files left: $left"
}
same() { cmp -s "$1" "$2" || fail "$1 changed"; }

cd "$work"
"$exe" export --format project --output p.but || fail "new project"
cp p.but p.orig
make_au sound.au 600
cp sound.au sound.orig

# 1. A conversion onto its own input.
refused "velkobutton: 'sound.au' is the same file as the input 'sound.au'; it was not replaced." \
  "$exe" audio sound.au --wave sound.au
same sound.au sound.orig
ln -s sound.au link.au
ln sound.au hard.au
refused "velkobutton: 'hard.au' is the same file as the input 'sound.au'; it was not replaced." \
  "$exe" audio sound.au --wave hard.au
refused "velkobutton: 'sound.au' is the same file as the input 'link.au'; it was not replaced." \
  "$exe" audio link.au --wave sound.au
same sound.au sound.orig
rm hard.au link.au

# 2. Export and publish onto the project.
refused "velkobutton: 'p.but' is the same file as the input 'p.but'; it was not replaced." \
  "$exe" export --output p.but p.but
refused "velkobutton: './p.but' is the same file as the input 'p.but'; it was not replaced." \
  "$exe" publish p.but . --name p.but
cp p.but page.html
refused "velkobutton: './page.html' is the same file as the input 'page.html'; it was not replaced." \
  "$exe" publish page.html .
same p.but p.orig
same page.html p.orig
rm page.html
no_leftovers .

# 3. A write that fails midway keeps the old file and leaves nothing behind.
mkdir site
cp "$src/examples/demo.but" demo.but
printf 'old page\n' >site/index.html
cp site/index.html index.orig
[ "$(wc -c <index.orig)" -lt 1024 ] || fail "test data"
# The demonstration's page is a few kilobytes, beyond a 1 KB file-size limit.
[ "$("$exe" export demo.but | wc -c)" -gt 2048 ] || fail "test data"
(
  trap '' XFSZ
  ulimit -f 1
  "$exe" publish demo.but site --name index.html --replace >/dev/null 2>err
  echo $? >rc
)
[ "$(cat rc)" -eq 1 ] || fail "publish over the size limit: status $(cat rc)"
[ "$(cat err)" = "velkobutton: Unable to write 'site/index.html': File too large. Any file of that name is unchanged." ] ||
  fail "publish over the size limit: $(cat err)"
same site/index.html index.orig
no_leftovers site
make_au big.au 4000
printf 'old wave' >old.wav
cp old.wav old.orig
(
  trap '' XFSZ
  ulimit -f 1
  "$exe" audio big.au --wave old.wav 2>err
  echo $? >rc
)
[ "$(cat rc)" -eq 1 ] || fail "audio over the size limit: status $(cat rc)"
[ "$(cat err)" = "velkobutton: Unable to write 'old.wav': File too large. Any file of that name is unchanged." ] ||
  fail "audio over the size limit: $(cat err)"
same old.wav old.orig
no_leftovers .

# 4. Special files are never replaced.
mkfifo fifo
refused "velkobutton: 'fifo' is not a regular file; it was not replaced." \
  "$exe" export --output fifo p.but
[ -p fifo ] || fail "the pipe was replaced"
refused "velkobutton: 'fifo' is not a regular file; it was not replaced." \
  "$exe" audio sound.au --wave fifo
[ -p fifo ] || fail "the pipe was replaced"
mkdir folder
refused "velkobutton: 'folder' is not a regular file; it was not replaced." \
  "$exe" export --output folder p.but
if mknod null c 1 3 2>/dev/null; then
  refused "velkobutton: 'null' is not a regular file; it was not replaced." \
    "$exe" export --output null p.but
  [ -c null ] || fail "the device node was replaced"
fi
no_leftovers .

# 5. Reading a pipe with no writer is refused at once.
refused "Failed to open document." "$exe" export fifo
refused "Failed to open document." "$exe" publish fifo site
refused "The audio file 'fifo' is not in the correct format.  It should be Sun '.au' format, 8000 Hz, mono, µ-law." \
  "$exe" audio fifo
refused "Failed to open document." "$exe" export folder

# 6. Names outside Windows-1252.
dir="目录 Ωμέγα"
mkdir "$dir"
cp p.but "$dir/日本語.but"
"$exe" export "$dir/日本語.but" --output "$dir/出力.html" 2>err || fail "export of 日本語.but: $(cat err)"
"$exe" export "$dir/日本語.but" >expected.html || fail "export to standard output"
same "$dir/出力.html" expected.html
[ "$(ls "$dir" | sort | tr '\n' ' ')" = "出力.html 日本語.but " ] || fail "files written: $(ls "$dir")"
"$exe" publish "$dir/日本語.but" "$dir/公開" 2>err || fail "publish of 日本語.but: $(cat err)"
[ -f "$dir/公開/日本語.html" ] || fail "published page name: $(ls "$dir/公開")"
same "$dir/公開/日本語.html" expected.html
cp sound.au "$dir/音.au"
"$exe" audio "$dir/音.au" --wave "$dir/音.wav" 2>err || fail "audio 音.au: $(cat err)"
[ "$(wc -c <"$dir/音.wav")" -eq 644 ] || fail "音.wav"
printf 'not audio' >"$dir/音2.au"
refused "The audio file '$dir/音2.au' is not in the correct format.  It should be Sun '.au' format, 8000 Hz, mono, µ-law." \
  "$exe" audio "$dir/音2.au"
refused "velkobutton: '$dir/日本語.but' is the same file as the input '$dir/日本語.but'; it was not replaced." \
  "$exe" export "$dir/日本語.but" --format project --output "$dir/日本語.but"
same "$dir/日本語.but" p.orig
no_leftovers "$dir"

# 7. A read-only file is not replaced by any command, as root too.
printf 'read-only page\n' >ro.html
chmod 444 ro.html
cp ro.html ro.orig
refused "velkobutton: 'ro.html' is read-only; it was not replaced." \
  "$exe" export p.but --output ro.html
refused "velkobutton: './ro.html' is read-only; it was not replaced." \
  "$exe" publish p.but . --name ro.html --replace
refused "velkobutton: 'ro.html' is read-only; it was not replaced." \
  "$exe" audio sound.au --wave ro.html
same ro.html ro.orig
no_leftovers .

# A replaced file keeps its permissions.
printf 'x' >kept.html
chmod 640 kept.html
"$exe" export p.but --output kept.html || fail "export over a writable file"
[ "$(stat -c %a kept.html)" = 640 ] || fail "permissions: $(stat -c %a kept.html)"
same kept.html expected.html
echo PASS
