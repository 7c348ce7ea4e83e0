#!/usr/bin/env bash
# Builds the fuzz targets of the .dat and the .adj reader (clang, libFuzzer,
# address and undefined-behaviour sanitizers) and runs each for half the given
# time on a small seed corpus made here. Fails when the fuzzer finds a crash, a
# hang or a wrong acceptance; the failing input is left in
# build/fuzz/fuzz-run/artifacts (.dat) or build/fuzz/fuzz-adj/artifacts (.adj).
# Usage: .ci/fuzz.sh [seconds]    (default 60, for both together)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
secs="${1:-60}"
half=$(( (secs + 1) / 2 ))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_para_file fuzz_adj_file -j4

run=build/fuzz/fuzz-run
rm -rf "$run"
mkdir -p "$run/seeds" "$run/corpus" "$run/artifacts"

# gen PRE POST SEP EOL PER MODE: the 7696 values of rows 0..480, each written
# as PRE value POST, with EOL after every PER values and SEP between the others.
gen() {
  awk -v pre="$1" -v post="$2" -v sep="$3" -v eol="$4" -v per="$5" -v mode="$6" 'BEGIN {
    for (k = 0; k < 7696; k++) {
      v = (mode == "ff") ? 255 : (k * 37 + 11) % 256
      printf "%s%d%s", pre, v, post
      printf "%s", ((k + 1) % per == 0) ? eol : sep
    }
  }'
}
s="$run/seeds"
gen " " " " "" "\r\n" 16 pattern >"$s/as-written.dat"
gen " " " " "" "\r\n" 16 ff >"$s/all-255.dat"
gen "" "" "," "" 7696 pattern >"$s/commas-one-line.dat"
gen "" "" "\t" "\n" 16 pattern >"$s/tabs-lf.dat"
gen "" "" " , " "\r" 9 pattern >"$s/ragged-cr.dat"
gen "" "" "" "\r\n" 1 pattern >"$s/one-per-line.dat"
head -c 20000 "$s/as-written.dat" >"$s/short.dat"
sed '100s/ 1[0-9]* / 256 /' "$s/as-written.dat" >"$s/out-of-range.dat"
sed '7s/ \([0-9]*\) / \1,, /' "$s/tabs-lf.dat" >"$s/empty-field.dat"
printf ' 1  2  x  4 \r\n' >"$s/not-a-number.dat"
{ cat "$s/as-written.dat"; printf ' 9 \r\n'; } >"$s/one-more.dat"
{ printf '\xEF\xBB\xBF'; cat "$s/as-written.dat"; } >"$s/byte-order-mark.dat"
{ cat "$s/tabs-lf.dat"; printf '\x1A'; } >"$s/end-of-file-mark.dat"

"$root/build/fuzz/tests/fuzz/fuzz_para_file" \
  -max_total_time="$half" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -dict="$root/tests/fuzz/para_file.dict" -artifact_prefix="$run/artifacts/" \
  -print_final_stats=1 "$run/corpus" "$run/seeds"

# The .adj reader: 257 numbers, the band choice first.
run=build/fuzz/fuzz-adj
rm -rf "$run"
mkdir -p "$run/seeds" "$run/corpus" "$run/artifacts"

# agen BAND PRE POST SEP EOL PER: the band choice and the 256 table values,
# each written as PRE value POST, with EOL after every PER values and SEP
# between the others.
agen() {
  awk -v band="$1" -v pre="$2" -v post="$3" -v sep="$4" -v eol="$5" -v per="$6" 'BEGIN {
    printf "%s%d%s%s", pre, band, post, eol
    for (k = 0; k < 256; k++) {
      printf "%s%d%s", pre, (k * 37 + 11) % 256, post
      printf "%s", ((k + 1) % per == 0) ? eol : sep
    }
  }'
}
s="$run/seeds"
agen 0 " " " " "" "\r\n" 16 >"$s/as-written.adj"
agen 1 " " " " "" "\r\n" 16 >"$s/band-on.adj"
agen 1 "" "" "," "," 256 >"$s/commas-one-line.adj"
agen 0 "" "" "\t" "\n" 16 >"$s/tabs-lf.adj"
head -c 600 "$s/as-written.adj" >"$s/short.adj"
sed '5s/ 1[0-9]* / 300 /' "$s/as-written.adj" >"$s/out-of-range.adj"
sed '1s/ 0 / 2 /' "$s/as-written.adj" >"$s/bad-band.adj"
{ cat "$s/as-written.adj"; printf ' 9  x ,, \r\n'; } >"$s/more.adj"
{ printf '\xEF\xBB\xBF'; cat "$s/as-written.adj"; } >"$s/byte-order-mark.adj"
{ cat "$s/tabs-lf.adj"; printf '\x1A'; } >"$s/end-of-file-mark.adj"

"$root/build/fuzz/tests/fuzz/fuzz_adj_file" \
  -max_total_time="$half" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
  -dict="$root/tests/fuzz/adj_file.dict" -artifact_prefix="$run/artifacts/" \
  -print_final_stats=1 "$run/corpus" "$run/seeds"
