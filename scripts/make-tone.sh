#!/usr/bin/env bash
# Writes a short tone as a WAV file (8-bit mono PCM, 11025 Hz), made from
# nothing but shell arithmetic: Wendox's own sound files.
#   make-tone.sh OUTPUT STEP MILLISECONDS
# STEP sets the pitch: the tone is 11025 * STEP / 1024 Hz.
set -euo pipefail
output=$1 step=$2 ms=$3
rate=11025
samples=$((rate * ms / 1000))

# One period of a sine, 64 steps, 0 to 255 around 128.
sine=(128 140 152 165 176 188 198 208 218 226 234 240 245 250 253 254
      255 254 253 250 245 240 234 226 218 208 198 188 176 165 152 140
      128 116 104 91 80 68 58 48 38 30 22 16 11 6 3 2
      1 2 3 6 11 16 22 30 38 48 58 68 80 91 104 116)

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)); }

data=""
phase=0
fade=$((samples / 8))
for ((i = 0; i < samples; i++)); do
  s=${sine[$(((phase >> 10) & 63))]}
  # Fade in and out so that the tone starts and ends without a click.
  gain=$fade
  ((i < fade)) && gain=$i
  ((samples - i < fade)) && gain=$((samples - i))
  s=$((128 + (s - 128) * gain / fade))
  printf -v byte '\\x%02x' "$s"
  data+=$byte
  phase=$((phase + step * 64))
done

{
  printf 'RIFF'; printf "$(le32 $((36 + samples)))"; printf 'WAVEfmt '
  printf "$(le32 16)$(le16 1)$(le16 1)$(le32 $rate)$(le32 $rate)$(le16 1)$(le16 8)"
  printf 'data'; printf "$(le32 $samples)"
  printf "$data"
} >"$output.part"
mv "$output.part" "$output"
