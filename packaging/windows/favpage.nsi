; The favpage installer for 64-bit Windows, built by scripts/package.sh with makensis:
;   cd <folder of the files> && makensis -NOCD -DVERSION=<version> -DFILES=<files.nsh> \
;     -DOUTFILE=<installer.exe> favpage.nsi
; FILES lists the files in two macros (FavpageInstallFiles, FavpageUninstallFiles), made
; from the same folder the zip is made from, so the installer and the zip ship the same
; files. It installs for the current user only, without administrator rights, into a folder
; the user may write: the programs keep their settings beside themselves.

Unicode true
; The 64-bit stub: the x86 one needs a 32-bit Windows layer that not every host has.
Target amd64-unicode

!ifndef VERSION
  !error "VERSION is not defined (makensis -DVERSION=<version>)"
!endif
!ifndef FILES
  !error "FILES is not defined (makensis -DFILES=<list of the files to install>)"
!endif
!ifndef OUTFILE
  !define OUTFILE "favpage-${VERSION}-win64-setup.exe"
!endif

!define PRODUCT "favpage"
!define PUBLISHER "favpage"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

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

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "favpage"
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

; Removes exactly the files the installer put there and the folder only when it is then
; empty: the settings the programs saved beside themselves (favpage.INI, favpage.tit) and
; anything else the user keeps in the folder stay, and so does a folder the user chose
; that held other things before.
Section "Uninstall"
  !insertmacro FavpageUninstallFiles
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
