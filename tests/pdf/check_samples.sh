#!/bin/bash
# Runs the external PDF checkers on the sample documents that pdf_tests wrote (in the
# native build, or in the Windows build under Wine): qpdf --check, a render with
# pdftoppm, and for each "<name>.pdf" the expectations in "<name>.expect":
#   text <words>   pdftotext shows the words
#   font <name>    pdffonts lists the font
#   url <address>  pdfinfo -url lists the link
#   pages <n>      pdfinfo counts n pages
set -u
dir="$1"
shopt -s nullglob
files=("$dir"/*.pdf)
if [ ${#files[@]} -eq 0 ]; then
  echo "no sample documents in $dir"
  exit 1
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
for pdf in "${files[@]}"; do
  name=$(basename "$pdf" .pdf)
  if ! out=$(qpdf --check "$pdf" 2>&1) || ! grep -q "No syntax or stream encoding errors" <<<"$out" \
      || grep -qi "warning" <<<"$out"; then
    echo "FAIL qpdf $name:"; echo "$out"; fail=1
  fi
  if ! err=$(pdftoppm -r 20 -png "$pdf" "$tmp/$name" 2>&1) || [ -n "$err" ]; then
    echo "FAIL pdftoppm $name: $err"; fail=1
  fi
  expect="$dir/$name.expect"
  [ -f "$expect" ] || continue
  text=$(pdftotext "$pdf" - 2>&1)
  fonts=$(pdffonts "$pdf" 2>&1)
  urls=$(pdfinfo -url "$pdf" 2>&1)
  info=$(pdfinfo "$pdf" 2>&1)
  while IFS= read -r line; do
    kind=${line%% *}
    value=${line#* }
    case "$kind" in
      text) grep -qF -- "$value" <<<"$text" || { echo "FAIL $name: text '$value' missing"; fail=1; } ;;
      font) grep -qF -- "$value" <<<"$fonts" || { echo "FAIL $name: font '$value' missing"; fail=1; } ;;
      url) grep -qF -- "$value" <<<"$urls" || { echo "FAIL $name: url '$value' missing"; fail=1; } ;;
      pages) grep -qE "^Pages: +$value\$" <<<"$info" || { echo "FAIL $name: not $value pages"; fail=1; } ;;
      "") ;;
      *) echo "FAIL $name: unknown expectation '$line'"; fail=1 ;;
    esac
  done <"$expect"
  [ $fail -eq 0 ] && echo "ok $name"
done
exit $fail
