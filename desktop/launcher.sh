#!/bin/sh
# Starts the pet from its own program folder, where it keeps its pictures and,
# built from source, the pet file; the folder lies beside this launcher's bin
# folder.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/pet/pet" "$@"
