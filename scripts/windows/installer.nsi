; The Windows installer of the program, made by windows.sh with makensis:
;   makensis -DSTAGE=<folder to install> -DOUTFILE=<setup.exe> -DVERSION=<x.y>
;            -DLICENSE=<licence text> -DICON=<program icon> installer.nsi
; A 64-bit installer with Russian and English pages.  It installs for the
; user who runs it, without administrator rights, into
; %LOCALAPPDATA%\Programs\VEKTUM-W, adds a Start-menu entry and registers its
; uninstaller with Windows; the uninstaller removes all of it.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "x64.nsh"

!define PRODUCT "ВЕКТУМ-W"
!define FOLDER "VEKTUM-W"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\local.vektum.Vektum"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${FOLDER}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vektum.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString ShortcutName ${LANG_RUSSIAN} "ВЕКТУМ-W — статика"
LangString ShortcutName ${LANG_ENGLISH} "VEKTUM-W — statics"
LangString Needs64 ${LANG_RUSSIAN} "ВЕКТУМ-W работает только в 64-разрядной Windows."
LangString Needs64 ${LANG_ENGLISH} "VEKTUM-W runs on 64-bit Windows only."

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "$(Needs64)"
    Abort
  ${EndIf}
  SetShellVarContext current
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetShellVarContext current
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\$(ShortcutName).lnk" "$INSTDIR\vektum.exe" "" "$INSTDIR\vektum.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "ShortcutName" "$(ShortcutName)"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "ВЕКТУМ-W developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vektum.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  ; The shortcut under the name it was made with, whichever language that was.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "ShortcutName"
  StrCmp $0 "" +2
    Delete "$SMPROGRAMS\$0.lnk"
  Delete "$SMPROGRAMS\ВЕКТУМ-W — статика.lnk"
  Delete "$SMPROGRAMS\VEKTUM-W — statics.lnk"
  ; Only what the installer put there (the folder list comes from the build).
!include "${FILELIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
