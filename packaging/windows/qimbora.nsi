; The Windows installer. makensis is given -DVERSION, -DSTAGE (the folder
; holding what is installed), -DFILES (the uninstaller's list of them),
; -DNOTICES (shown as the licence) and -DOUTFILE.
; Installs for the current user without administrator rights, or with
; /AllUsers, from an administrator, for everyone; /S installs silently.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
!include MUI2.nsh
!include FileFunc.nsh

!define PRODUCT "Qimbora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Qimbora"

Name "$(MenuName)"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${STAGE}\qimbora.ico"
!define MUI_UNICON "${STAGE}\qimbora.ico"
!insertmacro MUI_PAGE_LICENSE "${NOTICES}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; Windows' own language chooses between them, as the toy's texts follow it.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"
LangString MenuName ${LANG_SIMPCHINESE} "Qimbora 画花数数"
LangString MenuName ${LANG_TRADCHINESE} "Qimbora 畫花數數"
LangString NeedsAdministrator ${LANG_SIMPCHINESE} "为所有用户安装需要管理员权限。请用管理员身份运行，或者不加 /AllUsers 只为自己安装。"
LangString NeedsAdministrator ${LANG_TRADCHINESE} "為所有使用者安裝需要系統管理員權限。請以系統管理員身分執行，或者不加 /AllUsers 只為自己安裝。"

Var allUsers

Function .onInit
    SetRegView 64
    StrCpy $allUsers 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    IfErrors perUser
    UserInfo::GetAccountType
    Pop $1
    StrCmp $1 "Admin" +3
    MessageBox MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
    Abort
    StrCpy $allUsers 1
    SetShellVarContext all
    StrCmp $INSTDIR "" 0 +2
    StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    Return
perUser:
    SetShellVarContext current
    StrCmp $INSTDIR "" 0 +2
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\$(MenuName).lnk" "$INSTDIR\qimbora.exe" "" "$INSTDIR\qimbora.ico"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "$(MenuName)"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "MenuEntry" "$SMPROGRAMS\$(MenuName).lnk"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Qimbora"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qimbora.ico"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller belongs to the installation that it sits in: everyone's
; when everyone's records it there.
Function un.onInit
    SetRegView 64
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 $INSTDIR 0 +3
    SetShellVarContext all
    Return
    SetShellVarContext current
FunctionEnd

; Only what was installed goes: a folder the user chose may hold other files.
Section Uninstall
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "MenuEntry"
    StrCmp $0 "" +2
    Delete "$0"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
