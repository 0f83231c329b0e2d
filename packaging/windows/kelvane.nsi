; The Kelvane installer for 64-bit Windows: installs into Program Files, adds a
; Start-menu entry and registers its uninstaller. The uninstaller removes what was
; installed and leaves the user's favourite material.
; makensis -DVERSION=... -DOUTFILE=... -DICON=... -DFILES=<folder with the .nsh lists>
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvane"

Name "Kelvane"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Kelvane"
RequestExecutionLevel admin
BrandingText "Kelvane ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Kelvane"
VIAddVersionKey "CompanyName" "Kelvane Software Ltd"
VIAddVersionKey "FileDescription" "Kelvane installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 Kelvane Software Ltd"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Kelvane"
    !include "${FILES}/install-files.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    SetOutPath "$INSTDIR\bin"
    CreateShortCut "$SMPROGRAMS\Kelvane.lnk" "$INSTDIR\bin\kelvane.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kelvane"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kelvane Software Ltd"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\kelvane.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Kelvane.lnk"
    !include "${FILES}/uninstall-files.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    ; Not recursive: a favourite kept beside the program keeps its folder.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
