#!/bin/bash
# The configurable texts and the non-Java message come from the settings
# store that XDG_CONFIG_HOME selects; they reach the page as Windows-1252.
# usage: export_settings.sh VELKOBUTTON SOURCE_DIR
set -u
VB=$1
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
export XDG_CONFIG_HOME="$T/config" HOME="$T/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME/Velko" "$HOME"
fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }
CR=$'\r'
export LC_ALL=C

# UTF-8 in the store ("é" is C3 A9), as the editor writes it.
cat >"$XDG_CONFIG_HOME/Velko/VelkoButton.conf" <<'CONF'
[Options]
Day1=Dimanche
Month12=Décembre
Meridiem2=pm
NonJavaMessage=Java est désactivé.
CONF
cp "$XDG_CONFIG_HOME/Velko/VelkoButton.conf" "$T/before.conf"

"$VB" export --no-runtime >"$T/page.html" || fail "export"
grep -q "^<PARAM NAME=Script0 VALUE=\"+7 Day0='Dimanche'; 7 Month11='D"$'\xe9'"cembre'; 7 PM='pm'; 100 Background " "$T/page.html" ||
  fail "tokenized assignments: $(grep Script0 "$T/page.html")"
grep -q "^Java est d"$'\xe9'"sactiv"$'\xe9'".$CR\$" "$T/page.html" || fail "non-Java message in Windows-1252"
"$VB" export | grep -q "Java est" && fail "a page with the runtime shows the non-Java message"
grep -q $'\xc3' "$T/page.html" && fail "UTF-8 bytes in the page"
cmp -s "$T/before.conf" "$XDG_CONFIG_HOME/Velko/VelkoButton.conf" || fail "export changed the store"

# The same project with tokenizing off: "Set Day0=...". The tokenize flag is
# the fourteenth value of the project record.
"$VB" export --format project >"$T/p.but" || fail "project"
python3 - "$T/p.but" <<'PY' || fail "patching the project"
import struct, sys
p = sys.argv[1]
b = bytearray(open(p, 'rb').read())
pos = 9  # "1.00", "38", empty page path
def skip_string(pos):
    return pos + 1 + b[pos]
pos = skip_string(pos)          # identifier
pos += 7 * 4                    # button height .. image style
pos = skip_string(pos)          # background image
pos += 4                        # background colour
pos = skip_string(pos)          # input file
pos += 2 * 4                    # read from file, refresh
assert struct.unpack_from('<i', b, pos)[0] == 1
struct.pack_into('<i', b, pos, 0)
open(p, 'wb').write(bytes(b))
PY
# (The classic segment: a page of today without scripts carries no parameters.)
"$VB" export --no-runtime --format segment "$T/p.but" >"$T/seg.html" || fail "segment"
grep -q "^<PARAM NAME=Script0 VALUE=\"+Set Day0='Dimanche'; Set Month11='D"$'\xe9'"cembre'; Set PM='pm'; Button Background Width=100 " "$T/seg.html" ||
  fail "untokenized assignments: $(grep Script0 "$T/seg.html")"

# The input file never carries the assignments.
"$VB" export --format input "$T/p.but" >"$T/input.txt" || fail "input"
grep -q Dimanche "$T/input.txt" && fail "input file carries the day names"

# An empty message leaves out the block; an unquoted comma is kept.
cat >"$XDG_CONFIG_HOME/Velko/VelkoButton.conf" <<'CONF'
[Options]
NonJavaMessage=
CONF
"$VB" export --no-runtime --format segment >"$T/seg2.html" || fail "segment without message"
grep -q BLOCKQUOTE "$T/seg2.html" && fail "empty message still written"
grep -q "Day0" "$T/seg2.html" && fail "default day names written"
printf '[Options]\nNonJavaMessage=No Java, sorry\n' >"$XDG_CONFIG_HOME/Velko/VelkoButton.conf"
"$VB" export --no-runtime --format segment >"$T/seg3.html" || fail "segment with comma"
grep -q "^No Java, sorry$CR\$" "$T/seg3.html" || fail "message with a comma"

# Without a store every default holds.
rm -rf "$XDG_CONFIG_HOME"
"$VB" export --no-runtime --format segment >"$T/seg4.html" || fail "segment without store"
grep -q "^Your browser is not Java capable or Java has been disabled.$CR\$" "$T/seg4.html" ||
  fail "default message"

[ $fails = 0 ] && echo "export settings: all passed"
exit $((fails > 0))
