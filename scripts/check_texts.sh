#!/bin/sh
# Every text in both languages is a Text from platform/core/text.h, kept in a table,
# and the language is tested one way, IsChinese(Lang_chn). This check fails on
# the other ways of choosing a text: a hand-written language test, an inline
# choice between two texts, or a struct of its own holding two languages.
# Usage: check_texts.sh <source root> <folder>...
root=$1
shift
cd "$root" || exit 2
found=$(grep -rnE \
  -e 'Lang_chn *[!=]= *-?[0-9]' \
  -e '[Cc]hinese_? *\? *(QString|tr\(|")' \
  -e 'const char\* *(english|chinese|englishTitle);' \
  --include='*.cpp' --include='*.h' "$@" | grep -v '^platform/core/text\.h:')
if [ -n "$found" ]; then
  echo "Texts chosen by language outside the text tables:"
  echo "$found"
  exit 1
fi
exit 0
