#!/usr/bin/env bash
# full-disk.sh setup|cleanup DIR
# setup: a tmpfs of 1 MiB mounted at DIR, too small for any capture. Where
# mounting is not allowed (no root, a container without the right), DIR is
# left out and DIR.skip says why; the test that needs it then reports itself
# SKIPPED with that reason. cleanup: unmounts and removes both.
set -uo pipefail
action=$1 dir=$2
if mountpoint -q "$dir" 2>/dev/null; then
  umount "$dir" 2>/dev/null || umount -l "$dir"
fi
rm -rf "$dir" "$dir.skip"
if [ "$action" = setup ]; then
  mkdir -p "$dir"
  if ! reason=$(mount -t tmpfs -o size=1m,mode=0777 kx-full-disk "$dir" 2>&1); then
    echo "cannot mount a 1 MiB tmpfs at $dir: ${reason:-mount failed}" | tee "$dir.skip" >&2
    rmdir "$dir"
  fi
fi
exit 0
