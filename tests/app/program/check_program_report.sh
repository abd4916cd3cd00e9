#!/usr/bin/env bash
# The report that palvermontine.exe wrote in app_program_tests: it must pass qpdf's
# check, and its text must hold the report's title and the top rank "100.0". The
# second report, of a model file with a Greek name, must hold that name as typed in
# its document information.
set -u
pdf="$1"
[ -s "$pdf" ] || { echo "no report at $pdf"; exit 1; }
qpdf --check "$pdf" >/dev/null 2>&1 || { qpdf --check "$pdf"; exit 1; }
text=$(pdftotext "$pdf" -) || { echo "pdftotext failed"; exit 1; }
for want in "Palvermontine Decision Model Report" "100.0"; do
  grep -qF "$want" <<<"$text" || { echo "report text lacks '$want'"; exit 1; }
done
names="${2:-}"
if [ -n "$names" ]; then
  [ -s "$names" ] || { echo "no report at $names"; exit 1; }
  qpdf --check "$names" >/dev/null 2>&1 || { qpdf --check "$names"; exit 1; }
  title=$(pdfinfo -enc UTF-8 "$names" | grep '^Title:') || { echo "pdfinfo shows no title"; exit 1; }
  # The name in UTF-8 bytes, whatever the locale of this shell.
  want=$(printf '\xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1 \xcf\x80\xce\xbb\xce\xac\xce\xbd\xce\xbf.xpv')
  grep -qF "$want" <<<"$title" || { echo "title lacks the model file's name as typed: $title"; exit 1; }
fi
echo "report passes qpdf --check and holds its title and 100.0"
