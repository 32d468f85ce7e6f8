; The Windows installer: a per-user installation, no administrator rights.
; Made by scripts/windows-package, which defines
;   VERSION_FILE  the build's packaging/version.nsh (VERSION, VERSION_FOUR_PARTS)
;   BIN_DIR       the folder holding the programs
;   OUT_FILE      the installer to write
;   WINDOW        defined when the window program is packaged
;   ICON          the program's icon, for the installer and the uninstaller (optional)
; /S installs and uninstalls silently.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "${VERSION_FILE}"
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Export kalkulace pro VDG2016"
!define CLI_PROGRAM "export-kalkulace.exe"
!define WINDOW_PROGRAM "export-kalkulace-okno.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ExportKalkulace"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
; Where a user's own programs go; an earlier installation's folder is kept.
InstallDir "$LOCALAPPDATA\Programs\Export kalkulace"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_FOUR_PARTS}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} – instalace"

!define MUI_ABORTWARNING
!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!ifdef WINDOW
  !define MUI_FINISHPAGE_RUN "$INSTDIR\${WINDOW_PROGRAM}"
!endif
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the default; the other where Windows speaks English.
!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/${CLI_PROGRAM}"
!ifdef WINDOW
  File "${BIN_DIR}/${WINDOW_PROGRAM}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${WINDOW_PROGRAM}" "" "$INSTDIR\${WINDOW_PROGRAM}" 0
!endif
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; "Apps & features" lists the program for this user.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
!ifdef WINDOW
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${WINDOW_PROGRAM}"
!else
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${CLI_PROGRAM}"
!endif
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  ; Both programs, whichever this installation has: an older one may hold
  ; the command-line program alone.
  Delete "$INSTDIR\${CLI_PROGRAM}"
  Delete "$INSTDIR\${WINDOW_PROGRAM}"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
