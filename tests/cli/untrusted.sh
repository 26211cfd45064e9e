#!/usr/bin/env bash
# A project from a stranger, and a hostile environment: every case must end
# with the promised status and message, every old file byte for byte as it
# was, and no temporary file left behind.
set -u
exe=$1
src=$2
work=$(mktemp -d)
meta=$(mktemp -d)
trap 'rm -rf "$work" "$meta"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work/home LC_ALL=C.UTF-8
mkdir -p "$HOME"
cd "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# mkproj OUT IMAGE...: a project with one button per image (its Up image;
# font:NAME names the caption's font instead; drag:IMAGE makes the button one
# that is dragged, so that the page needs the runtime).
mkproj() {
  python3 - "$src/tests/cli" "$@" <<'EOF'
import sys
sys.path.insert(0, sys.argv[1])
import refgen
p = refgen.Project()
for i, image in enumerate(sys.argv[3:]):
    b = refgen.Button(b"B%d" % i)
    if image.startswith("drag:"):
        b.drag, image = 1, image[5:]
    if image.startswith("font:"):
        for s in b.states:
            s.text.font = image[5:].encode()
    else:
        b.states[0].image.file = image.encode()
    p.buttons.append(b)
open(sys.argv[2], "wb").write(refgen.project_file(p))
EOF
}
# The checksum of every file below the work folder (but the huge ones).
snapshot() { find . -path ./big -prune -o -type f -print0 | sort -z | xargs -0 sha1sum >"$meta/$1"; }
unchanged() {
  snapshot now
  cmp -s "$meta/now" "$meta/$1" || fail "$2: files changed: $(diff "$meta/now" "$meta/$1")"
}
no_temporaries() {
  local left
  left=$(find "$work" -name '.*.tmp')
  [ -z "$left" ] || fail "$1: temporary files left: $left"
}

gif() { printf 'GIF89a%s' "$2" >"$1"; }
mkdir -p proj/sub site secret
gif proj/pic.gif old
gif proj/sub/pic.gif new
printf 'root:x:0:0\n' >secret/passwd
printf -- '-----BEGIN KEY-----\n' >secret/id_rsa
mkproj proj/clash.but pic.gif sub/pic.gif
mkproj proj/self.gif sub/self.gif # a project may have any name
gif proj/sub/self.gif self
mkproj proj/steal.but pic.gif ../secret/passwd "$work/secret/id_rsa"
cp "$src/examples/demo.but" demo.but
printf 'old page\n' >page.html
mkdir big
truncate -s 200G big/huge.but
truncate -s 300M big/large.but
ln -s nowhere dangling
ln -s loop loop
gif big/huge.gif image
truncate -s 100M big/huge.gif
mkproj proj/huge.but "$work/big/huge.gif"
mkproj proj/one.but drag:pic.gif
# The program's own file by a name a server runs, and a server's settings
# that read as parameters, in an image's place.
ln -s "$(dirname "$exe")/VelkoButton.class" proj/run.php
mkproj proj/run.but run.php
printf 'Script1=x\nauto_prepend_file=/etc/passwd\n' >proj/php.ini
mkproj proj/ini.but php.ini
printf 'true, this is only text\n' >proj/fake.ttf
mkproj proj/fake.but pic.gif font:fake.ttf
mkproj proj/forge.but "$(printf 'x\n/etc/shadow\ny.gif')"
printf '#!/bin/sh\n' >tool.sh
chmod +x tool.sh
ln -s "$exe" program
mkdir -p linked dirs fifos bigconf/Velko
ln -s ../page.html linked/velkobutton.js
mkdir dirs/pic.gif
mkfifo fifos/one.html
truncate -s 2M bigconf/Velko/VelkoButton.conf

# status | message on standard error | command: each case changes no file.
while IFS='|' read -r want message command; do
  [ -n "$want" ] || continue
  snapshot before
  eval "$command" >"$meta/out" 2>"$meta/err"
  rc=$?
  [ "$rc" -eq "$want" ] || fail "$command: status $rc, not $want ($(cat "$meta/err"))"
  got=$(head -n 1 "$meta/err")
  [ "$got" = "$message" ] || fail "$command: message '$got', want '$message'"
  unchanged before "$command"
  no_temporaries "$command"
done <<EOF
1|velkobutton: '$work/proj/pic.gif' and '$work/proj/sub/pic.gif' have the same file name and cannot both be copied beside the page. Nothing was copied.|"$exe" publish proj/clash.but proj
1|velkobutton: Copying '$work/proj/sub/self.gif' would replace 'proj/self.gif'. Nothing was copied.|"$exe" publish proj/self.gif proj --name other.html
1|velkobutton: '$work/proj/run.php' is named like a file that a web server runs or shows as a page. Nothing was copied.|"$exe" publish proj/run.but site
1|velkobutton: '$work/proj/php.ini' is named like a file that a web server reads its settings from. Nothing was copied.|"$exe" publish proj/ini.but site
1|velkobutton: '$work/secret/passwd' is not an image or sound file that a page can use. Nothing was copied.|"$exe" publish proj/steal.but site
1|velkobutton: 'standard output' is the same file as the input 'demo.but'; it was not replaced.|"$exe" export demo.but >>demo.but
1|velkobutton: 'dangling' is not a regular file; it was not replaced.|"$exe" export demo.but --output dangling
1|velkobutton: 'loop' is not a regular file; it was not replaced.|"$exe" export demo.but --output loop
1|velkobutton: '/proc/self/exe' is a program (it may be run); it was not replaced.|"$exe" export demo.but --output /proc/self/exe
1|velkobutton: 'program' is a program (it may be run); it was not replaced.|"$exe" export demo.but --output program
1|velkobutton: 'tool.sh' is a program (it may be run); it was not replaced.|"$exe" export demo.but --output tool.sh
1|velkobutton: 'linked/velkobutton.js' is a link, a folder or a special file, so nothing is written through it. Nothing was copied.|"$exe" publish proj/one.but linked
1|velkobutton: 'dirs/pic.gif' is a link, a folder or a special file, so nothing is written through it. Nothing was copied.|"$exe" publish proj/one.but dirs
1|velkobutton: 'fifos/one.html' is a link, a folder or a special file, so nothing is written through it. Nothing was copied.|"$exe" publish proj/one.but fifos
1|velkobutton: '$work/proj/fake.ttf' is not an image or sound file that a page can use. Nothing was copied.|"$exe" publish proj/fake.but site
1|velkobutton: The file name '$work/proj/x^J/etc/shadow^Jy.gif' holds control characters (shown here as ^ and a letter), so the file is not used.|"$exe" export --format resources proj/forge.but
1|velkobutton: '$work/big/huge.gif' is larger than 64 MiB, more than any image or sound of a page needs. Nothing was copied.|"$exe" publish proj/huge.but site
0|velkobutton: the settings file '$work/bigconf/Velko/VelkoButton.conf' is larger than 1 MiB and was not read; the default settings are used.|XDG_CONFIG_HOME=$work/bigconf "$exe" export demo.but
1|Failed to open document.|"$exe" export big/huge.but
1|Failed to open document.|"$exe" export big/large.but
1|velkobutton: Unable to write 'page.html': File too large. Any file of that name is unchanged.|python3 -c 'import os,resource,signal,sys; signal.signal(signal.SIGXFSZ, signal.SIG_DFL); resource.setrlimit(resource.RLIMIT_FSIZE, (1024, 1024)); os.execv(sys.argv[1], sys.argv[1:])' "$exe" export demo.but --output page.html
EOF
# A name with a line break forges no line of the list: nothing is listed.
"$exe" export --format resources proj/forge.but >"$meta/out" 2>/dev/null
[ $? -eq 1 ] && [ ! -s "$meta/out" ] || fail "resources list with a line break: $(cat "$meta/out")"
rm -rf dangling loop big fifos
[ "$(find linked dirs -mindepth 1 | sort | tr '\n' ' ')" = "dirs/pic.gif linked/velkobutton.js " ] ||
  fail "publish wrote beside a refused name: $(find linked dirs)"
[ -d site ] && [ -z "$(ls site)" ] || fail "publish copied into site: $(ls site)"

# A link that leads to a file is written through; the link stays.
ln -s page.html alias.html
"$exe" export demo.but --output alias.html || fail "export through a link"
[ -L alias.html ] && cmp -s page.html <("$exe" export demo.but) || fail "link not written through"

# "--" ends the options.
cp demo.but ./-p.but
"$exe" export --format project -- -p.but | cmp -s - ./-p.but || fail "-- before a project name"

# A temporary left by a killed run is removed by the next write of its file.
for attempt in 1 2 3 4 5 6 7 8; do
  "$exe" export demo.but --output killed.html &
  kill -9 $! 2>/dev/null
  wait $! 2>/dev/null
done
cp "$work/page.html" "$work/.killed.html.zzzzzzzz.tmp" # not ours: never removed
"$exe" export demo.but --output killed.html || fail "export after kill -9"
[ "$(find . -name '.killed.html.*.tmp')" = "./.killed.html.zzzzzzzz.tmp" ] ||
  fail "leftovers of killed runs: $(find . -name '.killed.html.*.tmp')"
rm .killed.html.zzzzzzzz.tmp

# An interrupted write leaves nothing, and the program ends by its signal.
for sig in INT TERM HUP; do
  for delay in 0 0.001 0.003 0.01; do
    "$exe" export demo.but --output "sig.html" &
    pid=$!
    sleep "$delay"
    kill -s "$sig" "$pid" 2>/dev/null
    wait "$pid"
    rc=$?
    [ "$rc" -eq 0 ] || [ "$rc" -gt 128 ] || fail "SIG$sig: status $rc"
  done
  no_temporaries "SIG$sig"
done

# Publishing runs started at once into one folder all succeed.
mkproj proj/two.but pic.gif sub/self.gif
for round in 1 2 3 4 5; do
  pids=()
  for n in 1 2 3; do
    "$exe" publish proj/two.but "shared" >"$meta/pub$n" 2>&1 &
    pids+=($!)
  done
  for n in 0 1 2; do wait "${pids[$n]}" || fail "publish at once: $(cat "$meta/pub$((n + 1))")"; done
done
no_temporaries "publish at once"

# Root replacing another user's page keeps its owner and group.
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1; then
  printf 'theirs\n' >owned.html
  chown nobody:"$(id -gn nobody)" owned.html
  "$exe" export demo.but --output owned.html || fail "export over another user's page"
  [ "$(stat -c %U owned.html)" = nobody ] || fail "owner became $(stat -c %U owned.html)"
fi
echo ok
