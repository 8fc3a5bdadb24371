# SPDX-License-Identifier: MIT
# The colours of the game's pictures and of its icon; sourced by assets/make-assets.sh
# and packaging/make-icon.sh. A deep navy ground, light text, amber for headings and
# keys. The empty cell uses the same navy, so the board matches the screens around it.
# shellcheck disable=SC2034  # each script uses its own share of these
ground='#16213e'
panel='#1f2e52'
rule='#2e4470'
ink='#f2f2f2'
muted='#a9b6cf'
accent='#f5a623'
win_colour='#5fd38d'
lose_colour='#ef6461'
