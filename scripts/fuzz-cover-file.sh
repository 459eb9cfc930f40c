#!/usr/bin/env bash
# Kept for old habits: runs the cover file fuzzer (see scripts/fuzz.sh).
#   bash scripts/fuzz-cover-file.sh [SECONDS]     (default 600)
exec bash "$(dirname "$0")/fuzz.sh" cover-file "${1:-600}"
