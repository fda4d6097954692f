; SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
; SPDX-License-Identifier: MIT
;
; The installer of Brenvik Config Assistant for Windows: 64-bit, for all
; users, into Program Files, with a Start-menu shortcut and an entry in
; "Apps & features". scripts/package-windows.sh builds it:
;
;   makensis -DVERSION=1.02 -DPROGRAM=path/to/brenvik-config-assistant.exe \
;            -DOUTFILE=path/to/setup.exe -DFORM_FACTS=path/to/installer.nsh \
;            brenvik-config-assistant.nsi
;
; FORM_FACTS is what `tools/form-facts --nsis` prints: the windows' classes,
; from the description of the windows.
;
; Everything the installer writes is listed in the uninstall section, which
; removes that and nothing else.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; No file times in the installer: one commit gives the same file, byte for byte.
SetDateSave off
ManifestDPIAware true
ManifestSupportedOS all
RequestExecutionLevel admin

!ifndef VERSION | PROGRAM | OUTFILE | FORM_FACTS
    !error "Give -DVERSION=X.YY -DPROGRAM=the .exe -DOUTFILE=the installer to write -DFORM_FACTS=what form-facts --nsis prints"
!endif
!include "${FORM_FACTS}"
!searchparse /noerrors "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR
!ifndef VERSION_MINOR
    !error "VERSION must be MAJOR.MINOR, not '${VERSION}'"
!endif

!define NAME "Brenvik Config Assistant"
!define PUBLISHER "Brenvik Config Assistant developers"
!define EXE "brenvik-config-assistant.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\BrenvikConfigAssistant"
!define ROOT "${__FILEDIR__}/../.."

!include FileFunc.nsh
!include LogicLib.nsh

Name "${NAME}"
OutFile "${OUTFILE}"
Icon "${ROOT}/icons/brenvik-config-assistant.ico"
UninstallIcon "${ROOT}/icons/brenvik-config-assistant.ico"
BrandingText "${NAME} ${VERSION}"
InstallDir "$PROGRAMFILES64\${NAME}"
; Installing again, or over an older version, goes where the last one went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
LicenseData "${ROOT}/LICENSE"
LicenseText "The program is free software under the MIT licence:" "I &Agree"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIAddVersionKey /LANG=1033 ProductName "${NAME}"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileDescription "${NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 LegalCopyright "Copyright 2026 ${PUBLISHER}. MIT licence."

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; A running program's file cannot be replaced or removed: ask for it to be
; closed first; in silent mode, stop with exit code 2.
!macro REFUSE_WHILE_RUNNING
    FindWindow $0 "${frmMain_CLASS}"
    ${If} $0 <> 0
        MessageBox MB_OK|MB_ICONSTOP "Please close ${NAME} first, then try again." /SD IDOK
        Abort
    ${EndIf}
!macroend

Function .onInit
    SetRegView 64
    SetShellVarContext all
    !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Section
    ; An earlier installation, of this version or another, is removed by its
    ; own uninstaller first (run in place, so that it can be waited for), so
    ; that there is only ever one, wherever it was.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
        ExecWait '"$0\${UNINSTALLER}" /S _?=$0'
        Delete "$0\${UNINSTALLER}"
        RMDir "$0"
    ${EndIf}

    SetOutPath "$INSTDIR"
    File "/oname=${EXE}" "${PROGRAM}"
    File "/oname=LICENSE.txt" "${ROOT}/LICENSE"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "mailto:support@brenvik.example"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "https://www.brenvik.example/"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\LICENSE.txt"
    ; This runs from a copy of the uninstaller in %TEMP%; the original may
    ; take a moment to end. Whatever is still held after 10 s goes at the
    ; next start of Windows.
    StrCpy $1 0
    ${Do}
        ClearErrors
        Delete "$INSTDIR\${UNINSTALLER}"
        ${IfNot} ${Errors}
        ${OrIf} $1 >= 50
            ${Break}
        ${EndIf}
        Sleep 200
        IntOp $1 $1 + 1
    ${Loop}
    Delete /REBOOTOK "$INSTDIR\${UNINSTALLER}"
    ; Only if it is empty: anything the user put there stays.
    RMDir /REBOOTOK "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
