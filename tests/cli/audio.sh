#!/usr/bin/env bash
# velkobutton audio: the Sun audio check and the WAVE conversion, compared with
# a µ-law decoder written here in shell arithmetic.
set -u
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Bytes of a 32-bit value, big- or little-endian, as printf escapes.
be32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) $(($1 >> 8 & 255)) $(($1 & 255)); }
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
header() { # rate
  printf "$(be32 0x2E736E64)$(be32 24)$(be32 256)$(be32 1)$(be32 "$1")$(be32 1)"
}

# Every µ-law byte once, at 8012 Hz (accepted, written as 8000).
samples=""
decoded=""
for ((u = 0; u < 256; u++)); do
  samples+=$(printf '\\x%02x' $u)
  v=$((~u & 255))
  t=$(((((v & 15) << 3) + 132) << ((v & 112) >> 4)))
  if ((v & 128)); then s=$((132 - t)); else s=$((t - 132)); fi
  decoded+=$(printf '\\x%02x' $((((s >> 8) & 255) ^ 128)))
done
{ header 8012; printf "$samples"; } >"$work/all.au"
{
  printf "RIFF$(le32 292)WAVEfmt $(le32 16)\\x01\\x00\\x01\\x00$(le32 8000)$(le32 8000)\\x01\\x00\\x08\\x00data$(le32 256)"
  printf "$decoded"
} >"$work/expected.wav"
[ "$(wc -c <"$work/expected.wav")" -eq 300 ] || fail "test data"

"$exe" audio "$work/all.au" >"$work/out" 2>"$work/err" || fail "valid file rejected: $(cat "$work/err")"
[ -s "$work/err" ] && fail "messages for a valid file"
[ "$(cat "$work/out")" = "$work/all.au: 8012 Hz, 1 channel, 8-bit mu-law, 0.03 s (256 samples)" ] ||
  fail "what a good file says: $(cat "$work/out")"
"$exe" audio "$work/all.au" --wave "$work/out.wav" || fail "conversion failed"
cmp "$work/expected.wav" "$work/out.wav" || fail "WAVE bytes differ"

# Rejected files print the message, in UTF-8, and exit 1.
{ header 8013; printf 'abc'; } >"$work/fast.au"
"$exe" audio "$work/fast.au" --wave "$work/fast.wav" 2>"$work/err"
[ $? -eq 1 ] || fail "8013 Hz accepted"
msg="The audio file '$work/fast.au' is not in the correct format.  It should be Sun '.au' format, 8000 Hz, mono, µ-law."
[ "$(cat "$work/err")" = "$msg" ] || fail "message: $(cat "$work/err")"
[ -e "$work/fast.wav" ] && fail "WAVE written for a rejected file"
"$exe" audio "$work/missing.au" 2>/dev/null
[ $? -eq 1 ] || fail "missing file accepted"

# Wrong arguments.
"$exe" audio 2>/dev/null
[ $? -eq 2 ] || fail "no file must exit 2"
"$exe" audio "$work/all.au" --wave 2>/dev/null
[ $? -eq 2 ] || fail "--wave without a value must exit 2"
exit 0
