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
  if ! chattr +i "$dir" 2>/dev/null; then
    # A file system without the attribute: the tests that need the folder skip.
    echo "readonly-folder: cannot make $dir immutable here; its tests will skip" >&2
    rm -rf "$dir"
  fi
fi
