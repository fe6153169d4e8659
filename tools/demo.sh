#!/usr/bin/env bash
# Builds Kitsmith with the default preset and opens it on a scratch copy of the sample game folder,
# so that trying the tool never touches a real game. An existing kitsmith.dat beside the program is
# left as it is (it may point at a real game on purpose).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

cmake --preset default >/dev/null
cmake --build --preset default --target kitsmith

bin="$root/build/default/bin"
game="$root/build/demo/Tribes2"
if [ ! -d "$game" ]; then
  mkdir -p "$(dirname "$game")"
  cp -R "$root/examples/Tribes2" "$game"
fi

settings="$bin/kitsmith.dat"
if [ ! -e "$settings" ]; then
  company="$(sed -n 's/.*CompanyUrl = "\([^"]*\)".*/\1/p' "$root/src/app/links.h")"
  printf '%s\r\n' "// [QZW]-Kitsmith v1.0" "// $company" "//" "// Configfile" "//" \
    "// Do not change anything at all :-)" "//" "Lang=E" "Tribes2=$game/" >"$settings"
  echo "Wrote $settings pointing at $game"
fi

exec "$bin/kitsmith"
