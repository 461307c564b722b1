; The Windows installer of Tessaline, made by NSIS (makensis) on Linux:
;   makensis -INPUTCHARSET UTF8 -DVERSION=<x.y.z> -DPROGRAM=<tessaline.exe>
;            -DOUTFILE=<setup.exe> tessaline.nsi
; It installs for the user who runs it, without administrator rights, into
; %LOCALAPPDATA%\Programs\Tessaline, adds a Start-menu entry and an uninstaller
; that Settings > Apps lists. /S installs silently, /D=<folder> (last on the
; command line) picks another folder. The uninstaller takes away every file of
; ours, the Start-menu entry, its own Apps entry and the "start with Windows"
; value that names the installed program; the user's settings and log stay.
; A running copy is asked to close first, as its window's close box does.

!ifndef VERSION
    !error "-DVERSION=<x.y.z> is missing"
!endif
!ifndef PROGRAM
    !error "-DPROGRAM=<tessaline.exe> is missing"
!endif
!ifndef OUTFILE
    !error "-DOUTFILE=<setup.exe> is missing"
!endif

Unicode true
; The program is 64-bit: so is its installer, and both see the same registry.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Tessaline"
!define PUBLISHER "Quorvane"
!define EXE "tessaline.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The running program's main window (its class and caption).
!define WINDOW_CLASS "TessalineWindow"
; How long a running copy may take to close, in milliseconds.
!define CLOSE_WAIT_MS 15000
!define SYNCHRONIZE 0x00100000
!define WAIT_OBJECT_0 0

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; A new version goes where the last one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 ${PUBLISHER}"

!define MUI_ICON "${__FILEDIR__}\..\..\resources\win32\tessaline.ico"
!define MUI_UNICON "${__FILEDIR__}\..\..\resources\win32\tessaline.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; CloseRunningCopy: a copy of the program that runs holds the program file, so
; it is asked to close (a close message to its main window, which ends it
; whether the window shows or hides in the tray), once the user agrees; a
; silent run agrees. The section stops when the copy is still there after
; CLOSE_WAIT_MS.
!macro CLOSE_RUNNING_COPY prefix
Function ${prefix}CloseRunningCopy
    FindWindow $0 "${WINDOW_CLASS}" "${PRODUCT}"
    ${If} $0 P= 0
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION \
        "${PRODUCT} is running. It will be closed to go on." /SD IDOK IDOK close
    Abort "${PRODUCT} is running."
close:
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
    System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
    StrCpy $3 ${WAIT_OBJECT_0}
    ${If} $2 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS}) i .r3'
        System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    ${If} $3 != ${WAIT_OBJECT_0}
        MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} did not close. Close it, then try again." /SD IDOK
        Abort "${PRODUCT} did not close."
    ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

Section "${PRODUCT}"
    Call CloseRunningCopy
    SetOutPath "$INSTDIR"
    File "/oname=${EXE}" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The "start with Windows" value of one root, when it names the installed
; program (the program writes the machine's value, or the user's when the
; machine's key refuses it); a value naming a copy elsewhere is not ours.
!macro DELETE_RUN_VALUE root
    ReadRegStr $0 ${root} "${RUN_KEY}" "${EXE}"
    ${If} $0 == '"$INSTDIR\${EXE}"'
        DeleteRegValue ${root} "${RUN_KEY}" "${EXE}"
    ${EndIf}
!macroend

Section "Uninstall"
    Call un.CloseRunningCopy
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !insertmacro DELETE_RUN_VALUE HKCU
    !insertmacro DELETE_RUN_VALUE HKLM
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Not recursive: files the user put beside the program stay, and so does
    ; the folder that holds them. The folder of the user's programs goes too
    ; when nothing else is left in it (an install makes it when it is missing).
    RMDir "$INSTDIR"
    RMDir "$LOCALAPPDATA\Programs"
    ; Last, so that the entry stays listed while anything above is left to do.
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
