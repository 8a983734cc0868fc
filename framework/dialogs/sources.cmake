# Dialogs, dialog data exchange and the system's common dialogs.
list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/CCommonDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/CDataExchange.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/CDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/CFileDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/DDV.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/DDX.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/Dialogs.rc
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/NumberParsing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/CPropertyPage.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/CPropertySheet.cpp
)
