# Sources of this subsystem: core (no Qt) and windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Login.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExecMod.cpp
)
list(APPEND UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/commands/FileCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/ShellCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/RecoveryCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/ImageCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/ImageWindowCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/MakeDbCmd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/LinearAnalysisCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/SineAnalysisCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/RateLatCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/ResultsCmds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands/ClassReportCmd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoginDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Platform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StrInput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MountMsg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/About.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VORN_ROT.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExerciseStages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SafeApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SelfCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Passwd.cpp
)
