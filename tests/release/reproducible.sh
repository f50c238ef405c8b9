#!/usr/bin/env bash
# reproducible.sh RELEASE_DIR
# Two builds of one commit give the same bytes: builds the release again in a
# fresh folder (another path, another time) and compares it, file by file,
# with the downloads in RELEASE_DIR/dist.
set -uo pipefail
dir=$1
rm -rf "$dir/again" "$dir/dist-again"
"$(dirname "$0")/../../scripts/release.sh" --build-dir "$dir/again" --dist "$dir/dist-again" ||
  exit 1
diff -r "$dir/dist" "$dir/dist-again" || exit 1
echo "reproducible: the same bytes in $(ls "$dir/dist" | paste -sd' ' -)"
