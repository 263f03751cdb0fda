#!/usr/bin/env bash
# Builds the pet (installing what is missing) and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec build/pet
