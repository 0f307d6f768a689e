; Quickmap's installer and uninstaller. Built by CMake (installer/CMakeLists.txt) with
;   makensis -DVERSION=a.b.c -DPROGRAM=<Quickmap.exe> -DICON=<app.ico> -DWELCOME=<setup_welcome.bmp>
;            -DOUTFILE=<QuickmapSetup.exe> quickmap.nsi
; Per-machine, 64-bit (the program is), in the eight languages of the program chosen as the program
; chooses them: by the system default locale.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "Harborbox Quickmap"
!define PUBLISHER "Harborbox"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program keeps this value itself while it runs (start with Windows).
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "QX Harborbox Quickmap"
; Held by the running program for its whole life: gone means it has ended.
!define INSTANCE_MUTEX "Harborbox Quickmap"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_ABORTWARNING

; Room for three title lines: "Harborbox Quickmap" makes some languages' titles wrap twice.
!define MUI_WELCOMEPAGE_TITLE_3LINES
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartQuickmap
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English first: the language of every system the table below does not name.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Norwegian"
!insertmacro MUI_LANGUAGE "Swedish"

; The language of the pages from the primary language of the system default locale, as Quickmap picks its own.
!macro CHOOSE_LANGUAGE
  System::Call 'kernel32::GetSystemDefaultLCID() i .r0'
  IntOp $0 $0 & 0x3FF
  StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${If} $0 = 0x07
    StrCpy $LANGUAGE ${LANG_GERMAN}
  ${ElseIf} $0 = 0x0A
    StrCpy $LANGUAGE ${LANG_SPANISH}
  ${ElseIf} $0 = 0x0C
    StrCpy $LANGUAGE ${LANG_FRENCH}
  ${ElseIf} $0 = 0x10
    StrCpy $LANGUAGE ${LANG_ITALIAN}
  ${ElseIf} $0 = 0x13
    StrCpy $LANGUAGE ${LANG_DUTCH}
  ${ElseIf} $0 = 0x14
    StrCpy $LANGUAGE ${LANG_NORWEGIAN}
  ${ElseIf} $0 = 0x1D
    StrCpy $LANGUAGE ${LANG_SWEDISH}
  ${EndIf}
!macroend

; A running Quickmap, wherever it was started from, is asked to quit the way a second start with
; "-uninstall" asks it (the program given here is only the messenger); then up to 15 s for it to end,
; so its files can be replaced or removed.
!macro QUIT_RUNNING_QUICKMAP MESSENGER
  ${If} ${FileExists} "${MESSENGER}"
    ExecWait '"${MESSENGER}" -uninstall'
  ${EndIf}
  StrCpy $1 0
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    Sleep 250
    IntOp $1 $1 + 1
  ${LoopWhile} $1 < 60
!macroend

Function .onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro CHOOSE_LANGUAGE
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro CHOOSE_LANGUAGE
FunctionEnd

Function StartQuickmap
  Exec '"$INSTDIR\Quickmap.exe"'
FunctionEnd

Section "Quickmap"
  ; The new program is the messenger: it speaks the same single-instance protocol as every older one.
  InitPluginsDir
  File "/oname=$PLUGINSDIR\Quickmap.exe" "${PROGRAM}"
  !insertmacro QUIT_RUNNING_QUICKMAP "$PLUGINSDIR\Quickmap.exe"
  Delete "$PLUGINSDIR\Quickmap.exe"

  SetOutPath "$INSTDIR"
  File "${PROGRAM}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Quickmap.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quickmap.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Without pages nobody ticks the box: it is on by default, so a silent install starts the program too,
  ; in the tray as at logon.
  ${If} ${Silent}
    Exec '"$INSTDIR\Quickmap.exe" -s'
  ${EndIf}
SectionEnd

Section "Uninstall"
  ; Its exit removes its start-with-Windows value; a value left by a program that never ran its exit goes too.
  !insertmacro QUIT_RUNNING_QUICKMAP "$INSTDIR\Quickmap.exe"
  DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\Quickmap.exe"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: whatever else is there is not ours.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
