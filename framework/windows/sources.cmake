# Windows, message maps and routing, menus, the creation hook and handle maps.
list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CMenu.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWnd.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndDialogSupport.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndDispatch.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndHandlers.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndModal.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndRelatives.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndToolTips.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndWrappers.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/CWndDataExchange.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/DlgInitData.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/ExceptionReport.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/WindowLayer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/Windows.rc
)
