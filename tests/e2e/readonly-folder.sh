#!/usr/bin/env bash
# readonly-folder.sh setup|cleanup DIR
# setup: an empty folder in which nothing can be created (immutable, so even
# root cannot); cleanup: lifts that and removes it.
set -uo pipefail
action=$1 dir=$2
[ -d "$dir" ] && chattr -i "$dir" 2>/dev/null
rm -rf "$dir"
if [ "$action" = setup ]; then
  mkdir -p "$dir"
  chattr +i "$dir" || { echo "readonly-folder: cannot make $dir immutable" >&2; exit 1; }
fi
