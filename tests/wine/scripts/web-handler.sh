# Sourced by the tests that open web addresses, after wine_test_begin: the
# prefix's http and https handler becomes a stand-in that writes the address
# it was given to C:\opened.txt.

# web_handler_standin: registers the stand-in (no DDE conversation first).
web_handler_standin() {
  local scheme out
  WEB_HANDLER_OPENED="$WINEPREFIX/drive_c/opened.txt"
  rm -f "$WEB_HANDLER_OPENED"
  for scheme in http https; do
    wine reg delete "HKCR\\$scheme\\shell\\open\\ddeexec" /f >/dev/null 2>&1
    out=$(wine reg add "HKCR\\$scheme\\shell\\open\\command" /ve /t REG_SZ \
      /d 'C:\windows\system32\cmd.exe /c echo %1>C:\opened.txt' /f 2>&1) || {
      echo "FAIL: could not register the $scheme handler: $out"
      exit 1
    }
  done
}

# web_handler_opened ADDRESS: the stand-in was given ADDRESS within 10 s;
# ends the test otherwise.
web_handler_opened() {
  local got
  for _ in $(seq 1 100); do
    [ -s "$WEB_HANDLER_OPENED" ] && break
    sleep 0.1
  done
  got=$(tr -d '\r\n ' <"$WEB_HANDLER_OPENED" 2>/dev/null)
  if [ "$got" != "$1" ]; then
    echo "FAIL: the shell's http handler got \"$got\", not $1"
    exit 1
  fi
  echo "the shell opened $got"
}
