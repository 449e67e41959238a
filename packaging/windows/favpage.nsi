; The favpage installer for 64-bit Windows, built by scripts/package.sh with makensis:
;   cd <folder of the files> && makensis -INPUTCHARSET UTF8 -NOCD -DVERSION=<version> \
;     -DFILES=<files.nsh> -DICON=<favpage.ico> -DOUTFILE=<installer.exe> favpage.nsi
; FILES lists the files in two macros (FavpageInstallFiles, FavpageUninstallFiles), made
; from the same folder the zip is made from, so the installer and the zip ship the same
; files. It installs for the current user only, without administrator rights, into a folder
; the user may write: the programs keep their settings beside themselves.
;
; It speaks Japanese or English, as Windows' own interface does (English for any other
; language). Besides the silent install (/S, /D=<folder> last), /ADDTOPATH selects the
; option that puts the program's folder on the user's PATH, which is off by default.

Unicode true
; The 64-bit stub: the x86 one needs a 32-bit Windows layer that not every host has.
Target amd64-unicode

!ifndef VERSION
  !error "VERSION is not defined (makensis -DVERSION=<version>)"
!endif
!ifndef FILES
  !error "FILES is not defined (makensis -DFILES=<list of the files to install>)"
!endif
!ifndef ICON
  !error "ICON is not defined (makensis -DICON=<the program's .ico>)"
!endif
!ifndef OUTFILE
  !define OUTFILE "favpage-${VERSION}-win64-setup.exe"
!endif

!define PRODUCT "favpage"
!define PUBLISHER "favpage"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The user's own environment, where a per-user PATH lives.
!define ENVIRONMENT_KEY "Environment"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
SetCompressor /SOLID lzma
; A folder the user chose earlier wins over the default, so an update lands on the old copy
; and finds its settings there.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include "${FILES}"

; The pages, each in the language Windows' interface speaks.
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\favpage.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(FinishRun)"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for every Windows that speaks neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString FinishRun ${LANG_ENGLISH} "Start favpage"
LangString FinishRun ${LANG_JAPANESE} "favpage を起動"
LangString ProgramSection ${LANG_ENGLISH} "favpage (the window and favpage-cli)"
LangString ProgramSection ${LANG_JAPANESE} "favpage (ウィンドウと favpage-cli)"
LangString PathSection ${LANG_ENGLISH} "Add the program's folder to PATH (favpage-cli at a prompt)"
LangString PathSection ${LANG_JAPANESE} "プログラムのフォルダーを PATH に追加 (コマンドプロンプトで favpage-cli)"
LangString PathTooLong ${LANG_ENGLISH} "Your PATH is too long to be changed here; it is left as it was."
LangString PathTooLong ${LANG_JAPANESE} "PATH が長すぎるので変更しませんでした。"

; PATH, read and written as text of at most NSIS_MAX_STRLEN characters: a longer value
; would come back cut short, and writing it back would lose the rest, so such a PATH is
; never written.
!define PATH_ROOM 1000

; PathWithout: $R0 the PATH, $R1 an entry; gives $R2, the PATH without every entry equal
; to $R1 (letter case and a closing "\" aside), and $R3, the number of entries taken out.
!macro PATH_WITHOUT prefix
Function ${prefix}PathWithout
  Push $R4
  Push $R5
  Push $R6
  StrCpy $R2 ""
  StrCpy $R3 0
  StrCpy $R4 $R0
  ${Do}
    ; $R5: the first entry of $R4; $R4: what follows its ";".
    StrCpy $R6 0
    ${Do}
      StrCpy $R5 $R4 1 $R6
      ${IfThen} $R5 == ";" ${|} ${ExitDo} ${|}
      ${IfThen} $R5 == "" ${|} ${ExitDo} ${|}
      IntOp $R6 $R6 + 1
    ${Loop}
    StrCpy $R5 $R4 $R6
    IntOp $R6 $R6 + 1
    StrCpy $R4 $R4 "" $R6
    ${If} $R5 == $R1
    ${OrIf} $R5 == "$R1\"
      IntOp $R3 $R3 + 1
    ${ElseIf} $R2 == ""
      StrCpy $R2 $R5
    ${Else}
      StrCpy $R2 "$R2;$R5"
    ${EndIf}
  ${LoopUntil} $R4 == ""
  Pop $R6
  Pop $R5
  Pop $R4
FunctionEnd
!macroend
!insertmacro PATH_WITHOUT ""
!insertmacro PATH_WITHOUT "un."

Section "$(ProgramSection)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro FavpageInstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The window in the user's Start menu; the command-line program is for prompts and scripts.
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\favpage.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\favpage.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's PATH gets the program's folder once, at its end; the uninstaller takes it
; out again only when this installer put it there.
Section /o "$(PathSection)" SecPath
  ReadRegStr $R0 HKCU "${ENVIRONMENT_KEY}" "Path"
  StrCpy $R1 "$INSTDIR"
  Call PathWithout
  ${If} $R3 > 0
    DetailPrint "PATH: $INSTDIR"
    Return  ; already there, by the user's hand or an earlier install
  ${EndIf}
  StrLen $R4 "$R0;$INSTDIR"
  ${If} $R4 > ${PATH_ROOM}
    DetailPrint "$(PathTooLong)"
    Return
  ${EndIf}
  ${If} $R0 == ""
    StrCpy $R0 "$INSTDIR"
  ${Else}
    StrCpy $R0 "$R0;$INSTDIR"
  ${EndIf}
  WriteRegExpandStr HKCU "${ENVIRONMENT_KEY}" "Path" "$R0"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "AddedToPath" 1
  DetailPrint "PATH: $INSTDIR"
  ; Programs started from now on (a new prompt) see the new PATH.
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
SectionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ADDTOPATH" $R1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecPath} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

; Removes exactly the files the installer put there and the folder only when it is then
; empty: the settings the programs saved beside themselves (favpage.INI, favpage.tit) and
; anything else the user keeps in the folder stay, and so does a folder the user chose
; that held other things before.
Section "Uninstall"
  ReadRegDWORD $R9 HKCU "${UNINSTALL_KEY}" "AddedToPath"
  ${If} $R9 == 1
    ReadRegStr $R0 HKCU "${ENVIRONMENT_KEY}" "Path"
    StrLen $R4 $R0
    ${If} $R4 > ${PATH_ROOM}
      DetailPrint "$(PathTooLong)"
    ${Else}
      StrCpy $R1 "$INSTDIR"
      Call un.PathWithout
      ${If} $R3 > 0
        ${If} $R2 == ""
          DeleteRegValue HKCU "${ENVIRONMENT_KEY}" "Path"
        ${Else}
          WriteRegExpandStr HKCU "${ENVIRONMENT_KEY}" "Path" "$R2"
        ${EndIf}
        SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
      ${EndIf}
    ${EndIf}
  ${EndIf}

  !insertmacro FavpageUninstallFiles
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
