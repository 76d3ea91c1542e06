#!/usr/bin/env bash
# Plants faults in the core one at a time, in copies of the project outside
# the working tree, and prints which test caught each one:
#   scripts/mutants.sh                       the mutants of scripts/mutants.list
#   scripts/mutants.sh --random 100 --seed 1 100 mutants drawn from the core
#   scripts/mutants.sh --only src/codec      listed mutants of one folder
#   scripts/mutants.sh --check               check the list, build nothing
# The copies and their builds are kept in ${TMPDIR:-/tmp}/vrq5-mutants
# (--work DIR), so a second run only rebuilds what changed. Takes minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh python3 ccache lld
exec python3 scripts/mutants.py "$@"
