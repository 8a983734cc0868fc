#include "CComEdit.h"
#include "CFilterInputDlg.h"
#include "HostSystem.h"
#include "KorvoResources.h"
#include "OutputComponent.h"
#include "windows/FrameworkMessages.h"
#include <algorithm>

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
constexpr UINT kShowTimerId = 101;
constexpr UINT kShortestShowDelay = 20;

// Messages that neither read nor change the text: they leave gathered text
// gathered.
bool leaves_text_alone(UINT message)
{
  switch (message) {
  case WM_CONSOLE_APPEND:
  case WM_TIMER:
  case WM_PAINT:
  case WM_ERASEBKGND:
  case WM_NCPAINT:
  case WM_NCHITTEST:
  case WM_SETCURSOR:
  case WM_MOUSEMOVE:
  case WM_NCMOUSEMOVE:
  case WM_DESTROY:
  case WM_NCDESTROY:
  case WM_IDLEUPDATECMDUI:
    return true;
  default:
    return false;
  }
}

}  // namespace

CComEdit::CComEdit() : output_(nullptr), show_scheduled_(false), show_delay_(kShortestShowDelay)
{
}

LRESULT CComEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  if (!gathered_.empty() && !leaves_text_alone(message)) {
    show_gathered();
  }
  return CEdit::WindowProc(message, wParam, lParam);
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
  for (const ConsoleStep& step : text_.take(bytes, count)) {
    switch (step.kind) {
    case ConsoleStep::kBeep:
      ::MessageBeep(0xFFFFFFFF);
      break;
    case ConsoleStep::kDeleteLast:
      if (gathered_.empty()) {
        delete_last_character();
      } else {
        gathered_.pop_back();
      }
      break;
    case ConsoleStep::kAppend:
      gathered_ += step.text;
      break;
    }
  }
  log_.write(bytes, count);
  output_->shown(bytes, count);
  // Gathered text that the trimming would remove anyway is not kept: the
  // console ends with the same text.
  unsigned excess = ConsoleText::trim_count(static_cast<unsigned>(gathered_.size()));
  if (excess > 0) {
    gathered_.erase(0, excess - ConsoleText::trim_step());
  }
  if (!gathered_.empty()) {
    schedule_show();
  }
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

void CComEdit::schedule_show()
{
  if (!show_scheduled_) {
    SetTimer(kShowTimerId, show_delay_, nullptr);
    show_scheduled_ = true;
  }
}

void CComEdit::show_gathered()
{
  if (show_scheduled_) {
    KillTimer(kShowTimerId);
    show_scheduled_ = false;
  }
  if (gathered_.empty()) {
    return;
  }
  DWORD start = ::GetTickCount();
  std::string text;
  text.swap(gathered_);
  unsigned limit = static_cast<unsigned>(SendMessage(EM_GETLIMITTEXT, 0, 0));
  unsigned length = static_cast<unsigned>(GetWindowTextLength());
  unsigned removed = ConsoleText::trim_count(length + static_cast<unsigned>(text.size()), limit);
  if (removed >= length) {
    text.erase(0, removed - length);
    SetWindowText(text.c_str());
    int end = GetWindowTextLength();
    SendMessage(EM_SETSEL, end, end);
    SendMessage(EM_SCROLLCARET, 0, 0);
  } else {
    if (removed > 0) {
      SendMessage(EM_SETSEL, 0, removed);
      SendMessage(WM_CLEAR, 0, 0);
    }
    append_at_end(text);
  }
  Invalidate(TRUE);
  show_delay_ = std::max<UINT>(kShortestShowDelay, 3 * (::GetTickCount() - start));
}

LRESULT CComEdit::OnClearText(WPARAM, LPARAM)
{
  clear_all();
  return 0;
}

void CComEdit::clear_all()
{
  gathered_.clear();
  SendMessage(EM_SETSEL, 0, -1);
  SendMessage(EM_SCROLLCARET, 0, 0);
  SendMessage(WM_CLEAR, 0, 0);
}

BOOL CComEdit::PreTranslateMessage(MSG* pMsg)
{
  // The line end is shown at once; the carriage return still goes to the
  // target as the key's character.
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    gathered_ += "\r\n";
    show_gathered();
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
  if (nIDEvent == kShowTimerId) {
    show_gathered();
    return;
  }
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
  KillTimer(kShowTimerId);
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
