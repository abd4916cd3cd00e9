#!/bin/bash
# Checks the guides in the given folder: each passes qpdf's structural check, has the
# pages it should, and its text holds what a reader looks for in it.
set -u
dir=${1:?give the folder of the guides}
fail=0
check_text() {  # file, text
  if ! pdftotext -layout "$1" - 2>/dev/null | tr -s ' ' | grep -qF -- "$2"; then
    echo "$(basename "$1"): missing \"$2\""
    fail=1
  fi
}
for guide in pvquickstart pvusersguide; do
  pdf="$dir/$guide.pdf"
  if [ ! -s "$pdf" ]; then echo "$pdf is missing"; fail=1; continue; fi
  if ! qpdf --check "$pdf" >/dev/null 2>&1; then echo "$guide.pdf fails qpdf --check:"; qpdf --check "$pdf"; fail=1; fi
done
pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }
q="$dir/pvquickstart.pdf"
u="$dir/pvusersguide.pdf"
[ -s "$q" ] && { n=$(pages "$q"); [ "${n:-0}" -ge 2 ] && [ "${n:-0}" -le 4 ] || { echo "pvquickstart.pdf has ${n:-no} pages"; fail=1; }; }
[ -s "$u" ] && { n=$(pages "$u"); [ "${n:-0}" -ge 6 ] || { echo "pvusersguide.pdf has ${n:-no} pages"; fail=1; }; }
for text in "Palvermontine QuickStart Guide" "Lunch venue" "Compare Choices" "Best Choice" "Report"; do
  [ -s "$q" ] && check_text "$q" "$text"
done
for text in "Palvermontine Users Guide" "Application Options" "About Palvermontine" "palvermontineappoptions.xml" \
            "palvermontinerecentfiles_menu.txt" "-console" "-solve" "Exit codes" "Table Navigation Default" \
            "What the report cannot print" "Latin-1"; do
  [ -s "$u" ] && check_text "$u" "$text"
done
exit $fail
