; Gridwell's installer, built by makensis (cmake/installer.cmake passes the defines):
;   VERSION      x.y.z from the CMake project
;   ARCH         x64 or x86
;   BIN_DIR      the build's bin folder (gridwell.exe, help, Plugins, Images)
;   SAMPLES_DIR  the sample puzzles
;   ICON_FILE    the program icon
;   OUT_FILE     the installer to write
; It installs for the current user only (no administrator rights needed), so the
; program folder, the Start-menu entry, the .puz association and the uninstall entry
; all live in the user's profile and registry hive.
Unicode true
; The x64 installer is a 64-bit program itself, like what it installs.
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Gridwell"
!define PUBLISHER "Pellicor"
!define PROGID "Gridwell.Puzzle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Gridwell"
!define SETTINGS_KEY "Software\Pellicor\Orvane"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Gridwell"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION} (${ARCH})"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup (${ARCH})"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\gridwell.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Gridwell"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_COMPONENTSPAGE_TEXT_TOP "Gridwell will be removed. Tick the box to remove your settings as well."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Removes Gridwell's claim on a file type, leaving the type to whatever owns it now.
!macro ForgetType EXT
  ReadRegStr $0 HKCU "Software\Classes\${EXT}" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue HKCU "Software\Classes\${EXT}" ""
  ${EndIf}
  DeleteRegValue HKCU "Software\Classes\${EXT}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKCU "Software\Classes\${EXT}\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "Software\Classes\${EXT}"
!macroend

Section "Gridwell" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/gridwell.exe"
  File "${BIN_DIR}/GRIDWELL.CHM"
  SetOutPath "$INSTDIR\Plugins\Tools"
  File "${BIN_DIR}/Plugins/Tools/OVtimer.dll"
  File "${BIN_DIR}/Plugins/Tools/OVtipofday.dll"
  File "${BIN_DIR}/Plugins/Tools/OVTimer.chm"
  SetOutPath "$INSTDIR\Images"
  File "${BIN_DIR}/Images/tlogo.bmp"
  File "${BIN_DIR}/Images/tlogo_*.bmp"
  ; The program opens puzzles from "Puzzles" beside it first.
  SetOutPath "$INSTDIR\Puzzles"
  File "${SAMPLES_DIR}/everyday15.puz"
  File "${SAMPLES_DIR}/sunday21.puz"
  File "${SAMPLES_DIR}/rebus.puz"
  File "${SAMPLES_DIR}/diagramless.puz"
  File "${SAMPLES_DIR}/locked.puz"
  File "${SAMPLES_DIR}/everyday15.txt"
  File "${SAMPLES_DIR}/sampler.ipuz"
  File "${SAMPLES_DIR}/wordsquare.jpz"
  SetOutPath "$INSTDIR"

  CreateShortCut "$SMPROGRAMS\Gridwell.lnk" "$INSTDIR\gridwell.exe" "" "$INSTDIR\gridwell.exe" 0 \
    SW_SHOWNORMAL "" "Solve crossword puzzles"

  ; The .puz, .ipuz and .jpz types: opened by Gridwell, the file's path quoted on the command line.
  WriteRegStr HKCU "Software\Classes\.puz" "" "${PROGID}"
  WriteRegStr HKCU "Software\Classes\.puz\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKCU "Software\Classes\.ipuz" "" "${PROGID}"
  WriteRegStr HKCU "Software\Classes\.ipuz\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKCU "Software\Classes\.jpz" "" "${PROGID}"
  WriteRegStr HKCU "Software\Classes\.jpz\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Gridwell crossword puzzle"
  WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\gridwell.exe,0"
  WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\gridwell.exe" "%1"'
  ; The Open With entry.
  WriteRegStr HKCU "Software\Classes\Applications\gridwell.exe" "FriendlyAppName" "Gridwell"
  WriteRegStr HKCU "Software\Classes\Applications\gridwell.exe\SupportedTypes" ".puz" ""
  WriteRegStr HKCU "Software\Classes\Applications\gridwell.exe\SupportedTypes" ".ipuz" ""
  WriteRegStr HKCU "Software\Classes\Applications\gridwell.exe\SupportedTypes" ".jpz" ""
  WriteRegStr HKCU "Software\Classes\Applications\gridwell.exe\shell\open\command" "" '"$INSTDIR\gridwell.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Gridwell ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\gridwell.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.Gridwell" UnSecProgram
  SectionIn RO
  Delete "$INSTDIR\gridwell.exe"
  Delete "$INSTDIR\GRIDWELL.CHM"
  Delete "$INSTDIR\Plugins\Tools\OVtimer.dll"
  Delete "$INSTDIR\Plugins\Tools\OVtipofday.dll"
  Delete "$INSTDIR\Plugins\Tools\OVTimer.chm"
  Delete "$INSTDIR\Images\tlogo.bmp"
  Delete "$INSTDIR\Images\tlogo_*.bmp"
  Delete "$INSTDIR\Puzzles\everyday15.puz"
  Delete "$INSTDIR\Puzzles\sunday21.puz"
  Delete "$INSTDIR\Puzzles\rebus.puz"
  Delete "$INSTDIR\Puzzles\diagramless.puz"
  Delete "$INSTDIR\Puzzles\locked.puz"
  Delete "$INSTDIR\Puzzles\everyday15.txt"
  Delete "$INSTDIR\Puzzles\sampler.ipuz"
  Delete "$INSTDIR\Puzzles\wordsquare.jpz"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only empty folders go: puzzles and score boards the user keeps there stay.
  RMDir "$INSTDIR\Puzzles"
  RMDir "$INSTDIR\Images"
  RMDir "$INSTDIR\Plugins\Tools"
  RMDir "$INSTDIR\Plugins"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Gridwell.lnk"

  ; Each type is left to whatever owns it now when that is not Gridwell.
  !insertmacro ForgetType ".puz"
  !insertmacro ForgetType ".ipuz"
  !insertmacro ForgetType ".jpz"
  DeleteRegKey HKCU "Software\Classes\${PROGID}"
  DeleteRegKey HKCU "Software\Classes\Applications\gridwell.exe"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Unticked unless the user ticks it: a silent uninstall keeps the settings.
Section /o "un.Remove my Gridwell settings" UnSecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Pellicor"
SectionEnd
