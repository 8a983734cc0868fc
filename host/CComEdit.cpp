#include "CComEdit.h"
#include "CFilterInputDlg.h"
#include "HostSystem.h"
#include "KorvoResources.h"
#include "OutputComponent.h"

BEGIN_MESSAGE_MAP(CComEdit, CEdit)
  ON_WM_CREATE()
  ON_MESSAGE(WM_CONSOLE_APPEND, OnAppendText)
  ON_MESSAGE(WM_CONSOLE_CLEAR, OnClearText)
  ON_WM_CHAR()
  ON_WM_TIMER()
  ON_WM_DESTROY()
  ON_WM_RBUTTONUP()
  ON_COMMAND(ID_CONSOLE_COPY, OnCopySelection)
  ON_COMMAND(ID_CONSOLE_SET_FILTER, OnSetFilter)
  ON_COMMAND(ID_CONSOLE_CLEAR, OnClearConsole)
END_MESSAGE_MAP()

namespace {

constexpr UINT kCtrlA = 1;
constexpr UINT kCtrlC = 3;

}  // namespace

CComEdit::CComEdit() : output_(nullptr)
{
}

int CComEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CEdit::OnCreate(lpCreateStruct) == -1) {
    return -1;
  }
  output_ = new OutputComponent(this, HostSystem::instance());
  log_.open(this);
  SendMessage(EM_LIMITTEXT, kConsoleTextLimit, 0);
  SetTimer(kConsoleLogTimerId, kConsoleLogTickMilliseconds, nullptr);
  menu_.LoadMenu(IDR_CONSOLE_MENU);
  return 0;
}

LRESULT CComEdit::OnAppendText(WPARAM wParam, LPARAM lParam)
{
  const char* bytes = reinterpret_cast<const char*>(wParam);
  if (bytes == nullptr || lParam <= 0) {
    return 0;
  }
  std::size_t count = static_cast<std::size_t>(lParam);
  int length = GetWindowTextLength();
  SendMessage(EM_SETSEL, length, length);
  SendMessage(EM_SCROLLCARET, 0, 0);
  for (const ConsoleStep& step : text_.take(bytes, count)) {
    switch (step.kind) {
    case ConsoleStep::kBeep:
      ::MessageBeep(0xFFFFFFFF);
      break;
    case ConsoleStep::kDeleteLast:
      delete_last_character();
      break;
    case ConsoleStep::kAppend:
      append_at_end(step.text);
      break;
    }
  }
  log_.write(bytes, count);
  output_->shown(bytes, count);
  trim();
  Invalidate(TRUE);
  return 0;
}

void CComEdit::append_at_end(const std::string& text)
{
  SendMessage(EM_SETSEL, static_cast<WPARAM>(-1), 0);
  int length = GetWindowTextLength();
  SendMessage(EM_SETSEL, length, length);
  SendMessage(EM_SCROLLCARET, 0, 0);
  SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void CComEdit::delete_last_character()
{
  int length = GetWindowTextLength();
  if (length == 0) {
    return;
  }
  SendMessage(EM_SETSEL, length - 1, length);
  SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
}

void CComEdit::trim()
{
  unsigned limit = static_cast<unsigned>(SendMessage(EM_GETLIMITTEXT, 0, 0));
  unsigned count = ConsoleText::trim_count(static_cast<unsigned>(GetWindowTextLength()), limit);
  if (count == 0) {
    return;
  }
  SendMessage(EM_SETSEL, 0, count);
  SendMessage(WM_CLEAR, 0, 0);
  int length = GetWindowTextLength();
  SendMessage(EM_SETSEL, length, length);
}

LRESULT CComEdit::OnClearText(WPARAM, LPARAM)
{
  clear_all();
  return 0;
}

void CComEdit::clear_all()
{
  SendMessage(EM_SETSEL, 0, -1);
  SendMessage(EM_SCROLLCARET, 0, 0);
  SendMessage(WM_CLEAR, 0, 0);
}

BOOL CComEdit::PreTranslateMessage(MSG* pMsg)
{
  // The line end is shown at once; the carriage return still goes to the
  // target as the key's character.
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    append_at_end("\r\n");
  }
  return CEdit::PreTranslateMessage(pMsg);
}

void CComEdit::OnChar(UINT nChar, UINT, UINT)
{
  if (nChar == kCtrlA) {
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET, 0, 0);
  } else if (nChar == kCtrlC) {
    SendMessage(WM_COPY, 0, 0);
  }
  output_->send_key(nChar);
}

void CComEdit::OnTimer(UINT_PTR nIDEvent)
{
  if (nIDEvent == kConsoleLogTimerId) {
    log_.tick();
  }
  Default();
}

void CComEdit::OnDestroy()
{
  CEdit::OnDestroy();
  log_.close();
  KillTimer(kConsoleLogTimerId);
}

void CComEdit::OnRButtonUp(UINT, CPoint point)
{
  CMenu* popup = menu_.GetSubMenu(0);
  if (popup == nullptr) {
    return;
  }
  ClientToScreen(&point);
  popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CComEdit::OnCopySelection()
{
  SendMessage(WM_COPY, 0, 0);
}

void CComEdit::OnSetFilter()
{
  CFilterInputDlg dialog;
  dialog.m_strFilter = text_.filter().c_str();
  dialog.DoModal();
  text_.set_filter(static_cast<LPCTSTR>(dialog.m_strFilter));
}

void CComEdit::OnClearConsole()
{
  clear_all();
}
