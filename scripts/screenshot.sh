#!/usr/bin/env bash
# Builds the pet and saves a picture of its real window as docs/window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
mkdir -p docs
/usr/bin/python3 tests/e2e/screenshot.py --program build/pet --pictures build/G docs/window.png
echo "docs/window.png"
