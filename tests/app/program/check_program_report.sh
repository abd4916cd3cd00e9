#!/usr/bin/env bash
# The report that palvermontine.exe wrote in app_program_tests: it must pass qpdf's
# check, and its text must hold the report's title and the top rank "100.0".
set -u
pdf="$1"
[ -s "$pdf" ] || { echo "no report at $pdf"; exit 1; }
qpdf --check "$pdf" >/dev/null 2>&1 || { qpdf --check "$pdf"; exit 1; }
text=$(pdftotext "$pdf" -) || { echo "pdftotext failed"; exit 1; }
for want in "Palvermontine Decision Model Report" "100.0"; do
  grep -qF "$want" <<<"$text" || { echo "report text lacks '$want'"; exit 1; }
done
echo "report passes qpdf --check and holds its title and 100.0"
