#!/usr/bin/env bash
# Rewrites the committed images from assets/art after an art change.
# Usage: tools/artgen/regenerate.sh PATH/TO/artgen [PREVIEW.png]
set -euo pipefail
artgen=${1:?usage: regenerate.sh PATH/TO/artgen [PREVIEW.png]}
repo=$(cd "$(dirname "$0")/../.." && pwd)
"$artgen" --art "$repo/assets/art" --png "$repo/assets/sprites.png"
"$artgen" --art "$repo/assets/art" --icons "$repo/assets"
if [ $# -ge 2 ]; then "$artgen" --art "$repo/assets/art" --preview "$2"; fi
