# Application, module state, resource chain, command targets and threads.
list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/app/AfxMessageBox.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/AfxOleInit.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/AfxRegisterWndClass.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/AfxSocketInit.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/AfxWinMain.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CCmdTarget.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CCmdUI.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CCommandLineInfo.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CCriticalSection.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CDynLinkLibrary.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CEvent.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CModuleState.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CSingleLock.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CSyncObject.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CWinApp.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CWinAppProfile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CWindowLayer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/CWinThread.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/FrameworkDllMain.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/ModuleFileName.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/ResourceChain.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/Framework.rc
)
