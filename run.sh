#!/usr/bin/env bash
# Builds the pet (installing only what building and running need) and opens
# its window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
exec build/pet
