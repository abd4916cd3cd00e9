#!/usr/bin/env bash
# Runs the external checkers on the report that report_tests wrote: the file must
# pass qpdf's check, render with pdftoppm, and its text (pdftotext -raw) must hold
# every line of the expected list, in that order.
set -u
pdf="$1"
expected="$2"
fail=0
[ -s "$pdf" ] || { echo "no report at $pdf"; exit 1; }
qpdf --check "$pdf" >/dev/null 2>&1 || { echo "qpdf --check failed:"; qpdf --check "$pdf"; fail=1; }
fonts=$(pdffonts "$pdf" | awk 'NR > 2 { print $1 }' | sort | tr '\n' ' ')
[ "$fonts" = "Bookman-Light Symbol " ] || { echo "fonts: $fonts"; fail=1; }
pdfinfo -url "$pdf" 2>/dev/null | grep -q "https://" || { echo "no web link"; fail=1; }
pdfinfo "$pdf" | grep -q "612 x 792 pts (letter)" || { echo "not a letter page"; fail=1; }
out=$(mktemp -d "${TMPDIR:-/tmp}/pv-report.XXXXXX")
pdftoppm -r 20 -png "$pdf" "$out/page" || { echo "pdftoppm failed"; fail=1; }
pages=$(ls "$out"/page*.png 2>/dev/null | wc -l)
[ "$pages" -ge 2 ] || { echo "rendered $pages pages"; fail=1; }
pdftotext -raw "$pdf" "$out/text.txt" || { echo "pdftotext failed"; fail=1; }
python3 - "$out/text.txt" "$expected" <<'PY' || fail=1
import sys
text = open(sys.argv[1], encoding="utf-8").read()
at = 0
n = 0
for n, want in enumerate(open(sys.argv[2], encoding="utf-8").read().splitlines(), 1):
    if not want or want.startswith("#"):
        continue
    found = text.find(want, at)
    if found < 0:
        before = text.find(want)
        where = "only earlier" if before >= 0 else "nowhere"
        print(f"expected line {n} {want!r} not found after offset {at} ({where})")
        sys.exit(1)
    at = found + len(want)
print("report text holds all", n, "expected lines in order")
PY
rm -rf "$out"
exit $fail
