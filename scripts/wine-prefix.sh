# Sourced by the scripts that run favpage under Wine. Makes the prefix in $WINEPREFIX and
# leaves a persistent server running, which keeps every later start short.
start_wine_prefix() {
  # Wine's programs need an open standard input: where it is closed (a run with no terminal
  # and no input, as CI starts it), a socket to the Wine server takes descriptor 0, and a
  # program that closes or reads its input breaks that connection.
  exec </dev/null
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wine cmd /c exit 0 >/dev/null 2>&1
  # Wine's own interface face (menus, message boxes) has no Japanese letters: link it to the
  # installed Japanese face, as a Japanese Windows links its interface faces.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1
}
