; File associations of the Pictorb installer, included by CPack's NSIS script.
; .pictorb projects open in Pictorb; pictures and films only list Pictorb under "Open with",
; so the viewer the user chose stays their default. SHCTX is the machine's classes when the
; installer runs for all users, the user's own otherwise.

!define PICTORB_EXE "$INSTDIR\bin\pictorb.exe"
!define PICTORB_CLASSES "Software\Classes"

!macro PictorbOpenWith EXT
  WriteRegStr SHCTX "${PICTORB_CLASSES}\${EXT}\OpenWithProgids" "Pictorb.File" ""
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Applications\pictorb.exe\SupportedTypes" "${EXT}" ""
!macroend

!macro PictorbNoLongerOpenWith EXT
  DeleteRegValue SHCTX "${PICTORB_CLASSES}\${EXT}\OpenWithProgids" "Pictorb.File"
!macroend

!macro PictorbForEachType MACRO
  !insertmacro ${MACRO} ".jpg"
  !insertmacro ${MACRO} ".jpeg"
  !insertmacro ${MACRO} ".png"
  !insertmacro ${MACRO} ".webp"
  !insertmacro ${MACRO} ".bmp"
  !insertmacro ${MACRO} ".svg"
  !insertmacro ${MACRO} ".mp4"
  !insertmacro ${MACRO} ".mkv"
  !insertmacro ${MACRO} ".webm"
  !insertmacro ${MACRO} ".mov"
  !insertmacro ${MACRO} ".avi"
!macroend

!macro PictorbAssociate
  WriteRegStr SHCTX "${PICTORB_CLASSES}\.pictorb" "" "Pictorb.Project"
  WriteRegStr SHCTX "${PICTORB_CLASSES}\.pictorb" "Content Type" "application/x-pictorb"
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Pictorb.Project" "" "Pictorb project"
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Pictorb.Project\DefaultIcon" "" "${PICTORB_EXE},1"
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Pictorb.Project\shell\open\command" "" '"${PICTORB_EXE}" "%1"'
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Pictorb.File" "" "Pictorb"
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Pictorb.File\DefaultIcon" "" "${PICTORB_EXE},0"
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Pictorb.File\shell\open\command" "" '"${PICTORB_EXE}" "%1"'
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Applications\pictorb.exe" "FriendlyAppName" "Pictorb"
  WriteRegStr SHCTX "${PICTORB_CLASSES}\Applications\pictorb.exe\shell\open\command" "" '"${PICTORB_EXE}" "%1"'
  !insertmacro PictorbForEachType PictorbOpenWith
  ; SHCNE_ASSOCCHANGED: Explorer shows the new icons without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!macro PictorbDissociate
  !insertmacro PictorbForEachType PictorbNoLongerOpenWith
  ReadRegStr $0 SHCTX "${PICTORB_CLASSES}\.pictorb" ""
  StrCmp $0 "Pictorb.Project" 0 +2
    DeleteRegKey SHCTX "${PICTORB_CLASSES}\.pictorb"
  DeleteRegKey SHCTX "${PICTORB_CLASSES}\Pictorb.Project"
  DeleteRegKey SHCTX "${PICTORB_CLASSES}\Pictorb.File"
  DeleteRegKey SHCTX "${PICTORB_CLASSES}\Applications\pictorb.exe"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend
