#!/usr/bin/env bash
# Checks the LV2 bundle as Debian's lilv sees it: name, author, email and two audio outputs.
set -euo pipefail
bundle_dir=$1
uri=$2
info=$(LV2_PATH="$bundle_dir" lv2info "$uri")
fail() { echo "lv2info: $1"; echo "$info"; exit 1; }
grep -q "Name: *Corvane$" <<<"$info" || fail "wrong name"
grep -q "Author: *Qwelworks$" <<<"$info" || fail "wrong author"
grep -q "Author Email: *mailto:support@qwelworks.com$" <<<"$info" || fail "wrong email"
outputs=$(grep -A1 "lv2core#AudioPort" <<<"$info" | grep -c "lv2core#OutputPort" || true)
[ "$outputs" -eq 2 ] || fail "expected 2 audio outputs, found $outputs"
echo "lv2info: Corvane by Qwelworks with $outputs audio outputs"
