#!/usr/bin/env bash
# The command line as a front end: every help form prints on standard output
# with status 0; every usage error prints one line naming the problem and the
# usage on standard error, with status 2, and never starts the editor;
# without a display the editor says so in one line; the shell completion
# offers the commands, the formats and the projects; the README's commands,
# paths and flags exist.
set -u
exe=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# The editor must not start from any row: with no display at all it could
# not, and would say so with status 1.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
cd "$work" || exit 1
cp "$src/examples/demo.but" demo.but

# status|stream|first line (a grep -E pattern)|arguments
while IFS='|' read -r status stream first args; do
  [ -n "$status" ] || continue
  eval "set -- $args"
  "$exe" "$@" >out 2>err
  got=$?
  [ "$got" = "$status" ] || fail "'$args' gave status $got: $(cat err)"
  other=err
  [ "$stream" = err ] && other=out
  [ -s "$other" ] && fail "'$args' wrote to standard $other: $(cat "$other")"
  head -1 "$stream" | grep -qE "^($first)" || fail "'$args' began with: $(head -1 "$stream")"
  if [ "$status" = 2 ]; then
    [ "$(grep -c '^velkobutton: ' err)" = 1 ] || fail "'$args' did not name one problem: $(cat err)"
    grep -q '^usage: ' err || fail "'$args' shows no usage"
  fi
  if [ "$stream" = out ] && [ "$status" = 0 ] && [[ "$args" == *help* || "$args" == -h* ]]; then
    grep -q '^  -h, --help ' out || fail "'$args' describes no option"
  fi
done <<'ROWS'
0|out|usage: velkobutton |--help
0|out|usage: velkobutton |-h
0|out|usage: velkobutton |help
0|out|usage: velkobutton export |help export
0|out|usage: velkobutton export |--help export
0|out|usage: velkobutton export |export --help
0|out|usage: velkobutton publish |publish --help
0|out|usage: velkobutton publish |publish demo.but -h
0|out|usage: velkobutton audio |audio --help
0|out|usage: velkobutton help |help help
0|out|VelkoButton [0-9.]+ \(build |--version
0|out|VelkoButton [0-9.]+ \(build |-V
2|err|velkobutton: unknown option --bogus|--bogus
2|err|velkobutton: unknown option -x|-x demo.but
2|err|velkobutton: unknown option --bogus|demo.but --bogus
2|err|velkobutton: unknown command 'exprot' \(did you mean 'export'\?\)|exprot demo.but
2|err|velkobutton: unknown command 'pubish' \(did you mean 'publish'\?\)|pubish
2|err|velkobutton: unknown command 'frobnicate'$|frobnicate
2|err|velkobutton: unknown command 'nope'|help nope
2|err|velkobutton: help takes one command|help export publish
2|err|velkobutton: only one project may be named|demo.but demo.but
2|err|velkobutton: --version takes no arguments|--version demo.but
2|err|velkobutton: unknown option --bogus|export --bogus
2|err|velkobutton: unknown format pdf|export --format pdf
2|err|velkobutton: --output needs a value|export --output
2|err|velkobutton: unknown encoding koi8-r \(known: windows-1250, windows-1251, windows-1252, windows-1253, windows-1254, windows-1257\)$|export --encoding koi8-r demo.but
2|err|velkobutton: --encoding needs a value|export demo.but --encoding
2|err|velkobutton: unknown option --bogus|publish demo.but site --bogus
2|err|velkobutton: a project and a folder are needed|publish demo.but
2|err|velkobutton: one audio file is needed|audio
ROWS

# Without a display the editor says so in one line; a file named like a
# command is a project after "--".
if [ -x "$(dirname "$exe")/velkobutton-editor" ]; then
  for args in "demo.but" "--verbose --register -- demo.but" "-- export"; do
    # shellcheck disable=SC2086
    "$exe" $args >out 2>err
    st=$?
    [ $st = 1 ] && [ ! -s out ] && [ "$(wc -l <err)" = 1 ] &&
      grep -q '^velkobutton: no display to show the editor on ' err ||
      fail "'$args' without a display: status $st, $(cat err)"
  done
fi

# Bash completion: commands, formats and projects.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _velkobutton; echo "${COMPREPLY[*]}"' \
    _ "$src/packaging/completions/velkobutton.bash" "$@"
}
[ "$(complete_words velkobutton pu)" = publish ] || fail "completion of 'pu': $(complete_words velkobutton pu)"
[ "$(complete_words velkobutton export --format '')" = "page preview segment input project resources" ] ||
  fail "completion of --format: $(complete_words velkobutton export --format '')"
[ "$(complete_words velkobutton export de)" = demo.but ] || fail "completion of a project"
[ "$(complete_words velkobutton export --no)" = --no-runtime ] || fail "completion of an option"

# The README's commands, programs and flags are real.
readme="$src/README.md"
for cmd in ./run.sh ./test.sh scripts/deps.sh scripts/package.sh; do
  grep -qF "$cmd" "$readme" || fail "the README does not name $cmd"
  [ -x "$src/$cmd" ] || fail "the README names $cmd, which is not there"
done
for program in build/app/velkobutton build/app/velkobutton-editor; do
  grep -qF "$program" "$readme" || fail "the README does not say where $program is"
done
[[ "$exe" == */app/velkobutton ]] || fail "the program is not built where the README says: $exe"
for flag in $(grep -oE 'velkobutton --[a-z-]+' "$readme" | cut -d' ' -f2 | sort -u); do
  "$exe" --help | grep -qE -- "(^|[ ,\[])${flag}[] ,]" || fail "the README gives $flag, which --help does not know"
done
grep -oE 'velkobutton (export|publish|audio|help)[^`]*' "$readme" | sort -u | while read -r _ cmd rest; do
  for flag in $(grep -oE -- '--[a-z-]+' <<<"$rest"); do
    "$exe" help "$cmd" | grep -qF -- "$flag" || fail "the README gives $cmd $flag, which help does not know"
  done
done || exit 1
grep -oE '\((docs/[^)]+)\)' "$readme" | tr -d '()' | while read -r doc; do
  [ -f "$src/$doc" ] || fail "the README links $doc, which is missing"
done || exit 1
exit 0
