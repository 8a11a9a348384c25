#!/bin/sh
# Every section our skin definition templates use is described in the skin
# author's reference: each "[Name]" of skins/*/skin.ini must appear there as
# "[Name]", spelled the same way.
#   skin_format_sections_test.sh REFERENCE.md SKIN.ini...
set -u
if [ "$#" -lt 2 ]; then
  echo "usage: $0 REFERENCE.md SKIN.ini..." >&2
  exit 2
fi
reference=$1
shift
if [ ! -r "$reference" ]; then
  echo "FAIL: cannot read the reference $reference" >&2
  exit 1
fi
missing=0
checked=0
for template in "$@"; do
  if [ ! -r "$template" ]; then
    echo "FAIL: cannot read the template $template" >&2
    exit 1
  fi
  # Section lines: "[Name]", possibly indented or followed by blanks.
  sections=$(sed -n 's/^[[:space:]]*\[\([^]]*\)\][[:space:]]*$/\1/p' "$template" | tr -d '\r')
  if [ -z "$sections" ]; then
    echo "FAIL: $template has no sections" >&2
    exit 1
  fi
  while IFS= read -r name; do
    checked=$((checked + 1))
    if ! grep -qF "[$name]" "$reference"; then
      echo "FAIL: section [$name] of $template is not in $reference" >&2
      missing=$((missing + 1))
    fi
  done <<SECTIONS
$sections
SECTIONS
done
if [ "$missing" -ne 0 ]; then
  echo "$missing section name(s) missing from the reference" >&2
  exit 1
fi
echo "all $checked section names of $# template(s) are in the reference"
