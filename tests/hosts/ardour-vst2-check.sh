#!/usr/bin/env bash
# Runs the VST2 build in Debian's Ardour 7, headless: scan, add to a track, roll, save, reload.
set -euo pipefail
binary=$1
script=$(dirname "$0")/ardour-vst2-session.lua
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/vst"
cp "$binary" "$work/vst/Corvane.so"
# Ardour trusts its scan cache only when it is newer than the binary; a fresh copy and a
# cache written in the same second would look stale.
touch -d "1 hour ago" "$work/vst/Corvane.so"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
export LXVST_PATH="$work/vst" CORVANE_SESSION_DIR="$work/session"
LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst-scanner -q -f "$work/vst/Corvane.so"
timeout 120 ardour7-lua "$script" 2>&1 | grep -E '^(ardour:|Error|.*assert)' 
