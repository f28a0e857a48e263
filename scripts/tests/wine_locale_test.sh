#!/bin/sh
# The Wine wrappers hand a program its arguments intact whatever the caller's
# locale: under C, POSIX or no locale at all a name with é and ’ must still
# arrive as those letters, and a locale with a code set of its own (Japanese)
# must be kept. Argument: the wrapper to test (wine-run or wine64-run).
run=$1
fail=0
# check LABEL EXPECTED-HEX ENV...: cmd echoes its argument in the ANSI code
# page; the bytes show what the program was given.
check() {
  label=$1 want=$2; shift 2
  got=$(env "$@" "$run" cmd /c echo "$arg" 2>/dev/null | od -An -tx1 | tr -d ' \n')
  case $got in
    *"$want"*) echo "ok: $label" ;;
    *) echo "FAILED: $label: wanted bytes $want in $got"; fail=1 ;;
  esac
}
arg='Café ’Night’'
# "Caf" é space ’ "Night" ’ in code page 1252
latin=436166e92092"4e69676874"92
check "no locale" "$latin" -u LANG -u LC_ALL -u LC_CTYPE
check "LC_ALL=C" "$latin" LC_ALL=C
check "LANG=POSIX" "$latin" -u LC_ALL -u LC_CTYPE LANG=POSIX
check "LC_CTYPE=C under a UTF-8 LANG" "$latin" -u LC_ALL LANG=C.UTF-8 LC_CTYPE=C
arg='漢字'
check "a Japanese locale is kept" 8abf8e9a -u LC_CTYPE LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
[ $fail = 0 ] && echo "wine locale: all passed"
exit $fail
