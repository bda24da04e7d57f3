#!/bin/sh
# Makes the entry sound: 35 ms of a soft 1.4 kHz tone with a quick fade, 16-bit mono.
# Needs sox (Debian package sox). The result is committed, so building does not need sox.
cd "$(dirname "$0")" && sox -n -r 44100 -b 16 -c 1 NeueZeile.wav synth 0.035 sine 1400 fade q 0.002 0.035 0.03 vol 0.25
