#!/usr/bin/env bash
# Installs what is missing, builds the plug-ins, installs them into this user's plug-in
# folders and starts the Standalone app.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF
cmake --build "$build" --target Corvane_VST3 Corvane_LV2 Corvane_VST Corvane_Standalone

artefacts="$build/plugin/Corvane_artefacts/Release"
mkdir -p "$HOME/.vst3" "$HOME/.lv2" "$HOME/.vst"
rm -rf "$HOME/.vst3/Corvane.vst3" "$HOME/.lv2/Corvane.lv2"
cp -r "$artefacts/VST3/Corvane.vst3" "$HOME/.vst3/"
cp -r "$artefacts/LV2/Corvane.lv2" "$HOME/.lv2/"
cp "$artefacts/VST/libCorvane.so" "$HOME/.vst/Corvane.so"
echo "Installed Corvane into $HOME/.vst3, $HOME/.lv2 and $HOME/.vst"

exec "$artefacts/Standalone/Corvane" "$@"
