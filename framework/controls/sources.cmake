list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CButton.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CComboBox.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CEdit.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CListBox.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CProgressCtrl.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CScrollBar.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CSpinButtonCtrl.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CStatic.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/controls/CToolTipCtrl.cpp
)
