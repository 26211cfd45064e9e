#!/usr/bin/env bash
# A logout (SIGTERM), a closed terminal (SIGHUP) and Ctrl+C (SIGINT) end the
# editor through its normal exit: the unsaved edit is kept in a recovery file
# beside the project, readable by the user alone; the staged files, the Live
# View's among them, and the single-instance socket go; the settings are
# written. The next start names the recovery file, and Yes opens it as
# unsaved changes to the project: ended again, it keeps the same bytes.
set -u
exe=$1
src=$2
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
unset VELKOBUTTON_NO_BROWSER
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/run" USER="vbsig$$"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# An installed layout, so that the staged files go into the cache folder.
built=$(dirname "$exe")
mkdir -p "$work/prefix/libexec/velkobutton" "$work/prefix/share/velkobutton/Help"
cp "$built/velkobutton-editor" "$work/prefix/libexec/velkobutton/" || fail "no editor"
for f in VelkoButton.class VelkoButton.jar VelkoButton.cab VelkoJfc2.class velkobutton.js; do
  cp "$built/$f" "$work/prefix/share/velkobutton/" || fail "no $f"
done
editor="$work/prefix/libexec/velkobutton/velkobutton-editor"
cp "$src/examples/demo.but" "$work/demo.but"
settings="$XDG_CONFIG_HOME/Velko/VelkoButton.conf"
socket="$XDG_RUNTIME_DIR/velkobutton.socket"
recovery="$work/.demo.but.recovery"

# Starts the editor on the project with the variables "$@"; waits until
# `ready` holds something.
start() {
  local ready=$1
  shift
  # A background job of a script starts with SIGINT ignored, which the
  # editor would keep ignoring: it gets the default back, as from a terminal.
  env --default-signal=INT "$@" "$editor" "$work/demo.but" >"$work/log" 2>&1 &
  pid=$!
  for _ in $(seq 600); do
    [ -s "$ready" ] && return 0
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  fail "the editor did not get ready: $(cat "$work/log")"
}
# Sends SIG$1 and expects the editor to end with status 0 within 20 s.
end() {
  kill -"$1" $pid
  for _ in $(seq 200); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  kill -0 $pid 2>/dev/null && fail "SIG$1: the editor still runs"
  wait $pid
  local status=$?
  pid=
  [ $status -eq 0 ] || fail "SIG$1: status $status: $(cat "$work/log")"
}

for sig in TERM HUP INT; do
  rm -f "$recovery" "$work/ready"
  start "$work/ready" VELKOBUTTON_UNSAVED="$work/ready"
  staged=$(cat "$work/ready")
  [ -f "$staged/~VelkoButton.html" ] || fail "SIG$sig: nothing staged in $staged"
  for _ in $(seq 200); do
    [ -n "$(ls -d "$staged"/live-* 2>/dev/null)" ] && break
    sleep 0.1
  done
  [ -n "$(ls -d "$staged"/live-* 2>/dev/null)" ] || fail "SIG$sig: the Live View staged nothing"
  [ -S "$socket" ] || fail "SIG$sig: no socket"
  rm -f "$settings"
  end $sig
  [ -e "$staged" ] && fail "SIG$sig: staged files stay: $(ls -R "$staged")"
  [ -e "$socket" ] && fail "SIG$sig: the socket stays"
  grep -q "^File1=$work/demo.but$" "$settings" || fail "SIG$sig: settings not written"
  [ "$(stat -c %a "$recovery" 2>/dev/null)" = 600 ] || fail "SIG$sig: no private recovery file"
  cmp -s "$recovery" "$work/demo.but" && fail "SIG$sig: the recovery file lacks the edit"
done

# The next start names the file; answered Yes, the project is open with
# the edit, unsaved, and the file is gone until the editor ends again.
cp "$recovery" "$work/kept"
start "$work/messages" VELKOBUTTON_MESSAGES="$work/messages"
grep -qF "VelkoButton ended before the changes to $work/demo.but were saved. They were kept in '$recovery'." \
  "$work/messages" || fail "the recovery file is not named: $(cat "$work/messages")"
for _ in $(seq 100); do
  [ -e "$recovery" ] || break
  sleep 0.1
done
[ -e "$recovery" ] && fail "the recovery file stays after it was opened"
end TERM
cmp -s "$recovery" "$work/kept" || fail "the recovered project was not kept as it was"
cmp -s "$work/demo.but" "$src/examples/demo.but" || fail "the project itself was written"
exit 0
