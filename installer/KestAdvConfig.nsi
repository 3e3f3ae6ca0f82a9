; Installer of KestAdvConfig for one user: no elevation, installs below the
; user's local application data, adds a Start-menu entry and registers an
; uninstaller in the user's list of installed programs. The uninstaller
; removes what was installed and leaves the user's settings in the registry.
; Both run silently with /S.
;
; makensis -DVERSION=1.0 -DDIST=<staged files> -DICON=<.ico> -DOUTFILE=<setup.exe> KestAdvConfig.nsi

!macro RequireDefine name
  !ifndef ${name}
    !error "makensis -D${name}=... is missing"
  !endif
!macroend
!insertmacro RequireDefine VERSION
!insertmacro RequireDefine DIST
!insertmacro RequireDefine ICON
!insertmacro RequireDefine OUTFILE

; The program is 64-bit only, and so is its installer.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "Quorvelin Advanced Configuration"
!define PUBLISHER "Tarnwick, Inc."
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KestAdvConfig"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\KestAdvConfig"
; An update goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!include MUI2.nsh
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\KestAdvConfig.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Shortcuts and folders of the current user, never of all users.
Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "KestAdvConfig"
  SetOutPath "$INSTDIR"
  File "${DIST}/KestAdvConfig.exe"
  File "${DIST}/KestAdvCheck.exe"
  File "${DIST}/kestadvconfig.xml"
  SetOutPath "$INSTDIR\HELP"
  File "${DIST}/HELP/KestAdvConfig.chm"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut starts the program in its own folder.
  SetOutPath "$INSTDIR"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\KestAdvConfig.exe" "" "$INSTDIR\KestAdvConfig.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\KestAdvConfig.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what the installer put there: a folder chosen by the user
; may hold other files, which stay. The settings under
; HKCU\Software\Tarnwick, Inc. are the user's and stay too.
Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\HELP\KestAdvConfig.chm"
  RMDir "$INSTDIR\HELP"
  Delete "$INSTDIR\KestAdvConfig.exe"
  Delete "$INSTDIR\KestAdvCheck.exe"
  Delete "$INSTDIR\kestadvconfig.xml"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
