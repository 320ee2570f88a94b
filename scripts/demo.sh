#!/usr/bin/env bash
# The main job: the round trip of one image through the plug-in in the
# reference host. The host and the stand-in tool have not landed yet; until
# they do, this says so plainly and fails.
set -euo pipefail
echo "The demo round trip arrives with the reference host and the stand-in tool; it cannot run yet." >&2
exit 1
