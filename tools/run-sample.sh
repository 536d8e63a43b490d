#!/usr/bin/env bash
# Builds the program, puts the sample league into the program folder, records
# it as the league opened last, and starts the program, which opens it.
#
#   bash tools/run-sample.sh            (build folder: build)
#   BUILD_DIR=elsewhere bash tools/run-sample.sh
#
# Only "LastLoadLeague" in section [Settings] of the settings file is
# written; every other line of the file stays as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target dravik-client sample_league

folder=${DRAVIK_CLIENT_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/DravikClient}
settings=${XDG_CONFIG_HOME:-$HOME/.config}/DravikClient.ini
mkdir -p "$folder" "$(dirname "$settings")"
league="$(cd "$folder" && pwd)/Sample League.zcl"
cp "$build/sample/Sample League.zcl" "$league"

touch "$settings"
tmp=$(mktemp "$settings.XXXXXX")
awk -v value="$league" '
  function put() { print "LastLoadLeague=" value; done = 1 }
  /^[ \t]*\[/ {
    if (inside && !done) put()
    inside = ($0 ~ /^[ \t]*\[Settings\][ \t]*$/); seen = seen || inside
    print; next
  }
  inside && /^[ \t]*LastLoadLeague[ \t]*=/ { if (!done) put(); next }
  { print }
  END {
    if (inside && !done) put()
    if (!seen) { print "[Settings]"; put() }
  }
' "$settings" >"$tmp"
mv "$tmp" "$settings"

echo "Sample league: $league"
echo "Settings file: $settings"
exec "$build/app/dravik-client"
