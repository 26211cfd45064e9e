#!/bin/bash
# Byte-for-byte comparison of `velkobutton export` with an independent model
# of the generator over random projects (fixed seed).
# usage: crosscheck.sh VELKOBUTTON SOURCE_DIR
set -u
command -v python3 >/dev/null || { echo "python3 is needed for the cross-check" >&2; exit 1; }
exec python3 "$2/tests/cli/refgen.py" "$1" --seed 20261208 --count 200
