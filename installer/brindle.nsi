; Brindle's setup program. Built by installer/MakeSetup.cmake:
;   makensis -DARCH=i686|x86_64 -DVERSION=1.2.3 -DFILES=DIR -DOUTFILE=SETUP.exe brindle.nsi
; FILES holds the programs and skins\dark.skn as a user gets them.
;
; Command line (besides NSIS's own /S for a silent install and /D=FOLDER, last):
;   /LANG=0|1|2   the launcher's language: 0 English, 1 Ukrainian, 2 Russian.
;                 Without it a silent install writes English, or keeps the
;                 language of the Brindle.ini an earlier install left.

Unicode true
!include MUI2.nsh
!include nsDialogs.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brindle"
!define INI "$INSTDIR\Brindle.ini"

!if ${ARCH} == x86_64
  Target amd64-unicode
  InstallDir "$PROGRAMFILES64\Brindle"
!else
  Target x86-unicode
  InstallDir "$PROGRAMFILES\Brindle"
!endif

Name "Brindle ${VERSION}"
OutFile "${OUTFILE}"
; A later setup installs where the earlier one did.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "Brindle ${VERSION}"
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Brindle"
VIAddVersionKey /LANG=1033 "CompanyName" "Brindle"
VIAddVersionKey /LANG=1033 "FileDescription" "Brindle Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Brindle"

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
Page custom LanguagePage LanguagePageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\BrindleLauncher.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The language to write into Brindle.ini; empty keeps the file as it is.
Var LauncherLanguage
Var RadioEnglish
Var RadioUkrainian
Var RadioRussian

Function .onInit
  SetShellVarContext all
  StrCpy $LauncherLanguage ""
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANG=" $1
  ${IfNot} ${Errors}
    ${If} $1 == 0
    ${OrIf} $1 == 1
    ${OrIf} $1 == 2
      StrCpy $LauncherLanguage $1
    ${Else}
      MessageBox MB_ICONSTOP "/LANG= takes 0 (English), 1 (Ukrainian) or 2 (Russian), not '$1'." /SD IDOK
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

Function LanguagePage
  ; Shown once the folder is known, so that an earlier install's choice is offered.
  StrCpy $0 $LauncherLanguage
  ${If} $0 == ""
    ReadINIStr $0 "${INI}" "General" "Language"
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Language" "Choose the language of Brindle Launcher's window."
  nsDialogs::Create 1018
  Pop $1
  ${NSD_CreateRadioButton} 0 0 100% 12u "English"
  Pop $RadioEnglish
  ${NSD_CreateRadioButton} 0 16u 100% 12u "Українська (Ukrainian)"
  Pop $RadioUkrainian
  ${NSD_CreateRadioButton} 0 32u 100% 12u "Русский (Russian)"
  Pop $RadioRussian
  ${If} $0 == 1
    ${NSD_Check} $RadioUkrainian
  ${ElseIf} $0 == 2
    ${NSD_Check} $RadioRussian
  ${Else}
    ${NSD_Check} $RadioEnglish
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function LanguagePageLeave
  StrCpy $LauncherLanguage 0
  ${NSD_GetState} $RadioUkrainian $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $LauncherLanguage 1
  ${EndIf}
  ${NSD_GetState} $RadioRussian $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $LauncherLanguage 2
  ${EndIf}
FunctionEnd

Section "Brindle Launcher" SecLauncher
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${FILES}\BrindleLauncher.exe"
  ; Only the language key is written: the rest of a user's file stays.
  ${If} $LauncherLanguage == ""
  ${AndIfNot} ${FileExists} "${INI}"
    StrCpy $LauncherLanguage 0
  ${EndIf}
  ${If} $LauncherLanguage != ""
    WriteINIStr "${INI}" "General" "Language" $LauncherLanguage
  ${EndIf}
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Brindle"
  CreateShortcut "$SMPROGRAMS\Brindle\Brindle Launcher.lnk" "$INSTDIR\BrindleLauncher.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Brindle"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Brindle"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\BrindleLauncher.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Skin author's kit" SecKit
  SetOutPath "$INSTDIR"
  File "${FILES}\BrindleGallery.exe"
  File "${FILES}\skinpack.exe"
  SetOutPath "$INSTDIR\skins"
  File "${FILES}\skins\dark.skn"
  CreateShortcut "$SMPROGRAMS\Brindle\Brindle Gallery.lnk" "$INSTDIR\BrindleGallery.exe"
SectionEnd

Section "-Size"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\BrindleLauncher.exe"
  Delete "$INSTDIR\BrindleGallery.exe"
  Delete "$INSTDIR\skinpack.exe"
  Delete "$INSTDIR\skins\dark.skn"
  RMDir "$INSTDIR\skins"
  Delete "${INI}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Brindle\Brindle Launcher.lnk"
  Delete "$SMPROGRAMS\Brindle\Brindle Gallery.lnk"
  RMDir "$SMPROGRAMS\Brindle"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
