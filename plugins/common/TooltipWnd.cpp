#include "TooltipWnd.h"
#include "app/AfxRegisterWndClass.h"
#include <algorithm>
#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr int kNeedTextResourceLength = 512;

COLORREF resolve(COLORREF color, int system_index)
{
  return color == kTooltipSystemColor ? GetSysColor(system_index) : color;
}

bool contains(const RECT& rect, POINT point)
{
  return PtInRect(&rect, point) != FALSE;
}

}

BEGIN_MESSAGE_MAP(TooltipWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_WM_LBUTTONDOWN()
  ON_WM_SETFOCUS()
  ON_WM_DESTROY()
  ON_WM_SETTINGCHANGE()
  ON_WM_MOUSEACTIVATE()
  ON_MESSAGE(WM_SETFONT, OnSetFont)
  ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

TooltipWnd::TooltipWnd() = default;

TooltipWnd::~TooltipWnd()
{
  if (GetSafeHwnd() != nullptr)
    DestroyWindow();
  if (font_ != nullptr)
    DeleteObject(font_);
}

bool TooltipWnd::create(CWnd* owner)
{
  owner_ = owner;
  LPCTSTR window_class = AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC, LoadCursor(nullptr, IDC_ARROW));
  if (!CreateEx(WS_EX_TOPMOST, window_class, nullptr, WS_POPUP, 0, 0, 10, 10, owner->GetSafeHwnd(), nullptr))
    return false;
  take_status_font();
  return true;
}

void TooltipWnd::explain_controls(CWnd* dialog, const ControlTip* tips, std::size_t count)
{
  owner_ = dialog;
  set_tip_width(kControlTipWidth);
  set_back_color(kControlTipBackColor);
  for (std::size_t i = 0; i < count; ++i)
    add_tool(dialog->GetDlgItem(tips[i].id), tips[i].text, nullptr, 0);
}

bool TooltipWnd::get_status_font(LOGFONT& font)
{
  NONCLIENTMETRICSA metrics = {};
  // The record without the later padded-border field, as every system knows it.
  metrics.cbSize = CCSIZEOF_STRUCT(NONCLIENTMETRICSA, lfMessageFont);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    return false;
  font = metrics.lfStatusFont;
  return true;
}

void TooltipWnd::use_font(const LOGFONT& font)
{
  HFONT made = CreateFontIndirectA(&font);
  if (made == nullptr)
    return;
  if (font_ != nullptr)
    DeleteObject(font_);
  font_ = made;
  logfont_ = font;
}

void TooltipWnd::take_status_font()
{
  LOGFONT font;
  if (!get_status_font(font))
    return;
  use_font(font);
  system_font_ = true;
}

bool TooltipWnd::add_tool(CWnd* control, const char* text, const RECT* rect, int id)
{
  if (control == nullptr || control->GetSafeHwnd() == nullptr)
    return false;
  auto tool = std::make_unique<Tool>();
  tool->control = control->GetSafeHwnd();
  tool->id = id;
  if (rect != nullptr) {
    tool->rect = *rect;
    ::MapWindowPoints(tool->control, owner_->GetSafeHwnd(), reinterpret_cast<POINT*>(&tool->rect), 2);
  } else {
    ::GetWindowRect(tool->control, &tool->rect);
    ::MapWindowPoints(nullptr, owner_->GetSafeHwnd(), reinterpret_cast<POINT*>(&tool->rect), 2);
  }
  tool->ask_owner = text == LPSTR_TEXTCALLBACKA;
  if (!tool->ask_owner && text != nullptr)
    tool->text = text;
  tool->width = default_width_;
  tool->text_color = default_text_;
  tool->back_color = default_back_;
  tools_.push_back(std::move(tool));
  return true;
}

int TooltipWnd::set_tip_width(int width)
{
  int previous = default_width_;
  for (auto& tool : tools_)
    if (tool->width == previous)
      tool->width = width;
  default_width_ = width;
  return previous;
}

void TooltipWnd::set_back_color(COLORREF color)
{
  for (auto& tool : tools_)
    if (tool->back_color == default_back_)
      tool->back_color = color;
  default_back_ = color;
}

TooltipWnd::Tool* TooltipWnd::tool_at(POINT owner_point) const
{
  HWND owner = owner_->GetSafeHwnd();
  POINT screen_point = owner_point;
  ::ClientToScreen(owner, &screen_point);
  HWND window = ::WindowFromPoint(screen_point);
  if (window == owner)
    window = ::ChildWindowFromPoint(owner, owner_point);
  if (window == nullptr || !::IsChild(owner, window))
    return nullptr;
  for (const auto& tool : tools_) {
    if (tool->control == window || ::IsChild(tool->control, window))
      return contains(tool->rect, owner_point) ? tool.get() : nullptr;
  }
  return nullptr;
}

TooltipWnd::Tool* TooltipWnd::tool_under_cursor() const
{
  POINT point;
  ::GetCursorPos(&point);
  ::ScreenToClient(owner_->GetSafeHwnd(), &point);
  return tool_at(point);
}

bool TooltipWnd::cursor_in_tip(POINT screen_point) const
{
  if (hidden_)
    return false;
  RECT window;
  ::GetWindowRect(m_hWnd, &window);
  return contains(window, screen_point);
}

void TooltipWnd::relay_event(const MSG* message)
{
  if (m_hWnd == nullptr && (owner_ == nullptr || message->message != WM_MOUSEMOVE || !create(owner_)))
    return;
  switch (message->message) {
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONDBLCLK:
  case WM_NCRBUTTONDOWN:
  case WM_NCRBUTTONDBLCLK:
  case WM_NCMBUTTONDOWN:
  case WM_NCMBUTTONDBLCLK:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONDBLCLK:
    hide();
    return;
  case WM_MOUSEMOVE: {
    POINT point = {GET_X_LPARAM(message->lParam), GET_Y_LPARAM(message->lParam)};
    ::MapWindowPoints(message->hwnd, owner_->GetSafeHwnd(), &point, 1);
    POINT screen_point = point;
    ::ClientToScreen(owner_->GetSafeHwnd(), &screen_point);
    Tool* tool = tool_at(point);
    if (tool == nullptr) {
      if (hidden_)
        current_ = nullptr;
      return;
    }
    if (tool == current_ || cursor_in_tip(screen_point))
      return;
    stop_timers();
    hide();
    hidden_ = false;
    current_ = tool;
    SetTimer(kShowTimer, kShowDelayMs);
    return;
  }
  case WM_LBUTTONDOWN: {
    POINT screen_point = message->pt;
    if (!cursor_in_tip(screen_point))
      hide();
    return;
  }
  default:
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST)
      hide();
    return;
  }
}

std::string TooltipWnd::tool_text(const Tool& tool) const
{
  if (!tool.ask_owner)
    return tool.text;
  NMTTDISPINFOA info = {};
  info.hdr.hwndFrom = m_hWnd;
  info.hdr.idFrom = UINT_PTR(tool.id);
  info.hdr.code = TTN_NEEDTEXTA;
  ::SendMessageA(owner_->GetSafeHwnd(), WM_NOTIFY, WPARAM(tool.id), reinterpret_cast<LPARAM>(&info));
  if (info.hinst != nullptr && IS_INTRESOURCE(info.lpszText)) {
    char resource[kNeedTextResourceLength + 1] = "";
    LoadStringA(info.hinst, UINT(reinterpret_cast<UINT_PTR>(info.lpszText)), resource, sizeof(resource));
    return resource;
  }
  if (info.lpszText != nullptr && !IS_INTRESOURCE(info.lpszText))
    return info.lpszText;
  info.szText[sizeof(info.szText) - 1] = '\0';
  return info.szText;
}

void TooltipWnd::show_tip(POINT screen_point, int page)
{
  if (!enabled_ || current_ == nullptr)
    return;
  pages_ = split_tooltip_pages(tool_text(*current_));
  two_pages_ = pages_.two_pages;
  page_ = two_pages_ ? page : 0;
  show_at(screen_point, true);
}

void TooltipWnd::show_at(POINT point, bool placed)
{
  shown_text_ = pages_.page[page_];
  if (shown_text_.empty())
    return;
  SIZE size = measure_tip(shown_text_, current_->width);
  RECT rect = placed ? place_tip(size, point, *current_) : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy};
  ShowWindow(SW_HIDE);
  ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_SHOWWINDOW);
  hidden_ = false;
}

void TooltipWnd::hide()
{
  if (m_hWnd != nullptr)
    ShowWindow(SW_HIDE);
  hidden_ = true;
}

void TooltipWnd::stop_timers()
{
  KillTimer(kShowTimer);
  KillTimer(kPollTimer);
}

SIZE TooltipWnd::measure_tip(const std::string& text, int width)
{
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  if (width == 0) {
    for (std::size_t start = 0; start <= text.size();) {
      std::size_t end = text.find('\n', start);
      std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start) + "  ";
      SIZE extent;
      GetTextExtentPoint32A(dc, line.c_str(), int(line.size()), &extent);
      width = std::max<int>(width, extent.cx);
      if (end == std::string::npos)
        break;
      start = end + 1;
    }
  }
  RECT rect = {0, 0, width, 0};
  DrawTextA(dc, text.c_str(), int(text.size()), &rect, kTooltipTextFormat | DT_CALCRECT);
  SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return SIZE{rect.right - rect.left + margins_.left + margins_.right,
              rect.bottom - rect.top + margins_.top + margins_.bottom};
}

RECT TooltipWnd::place_tip(SIZE size, POINT point, const Tool& tool)
{
  RECT control;
  ::GetWindowRect(tool.control, &control);
  SIZE screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return place_tooltip_rect(size, point, screen, control.top);
}

void TooltipWnd::OnTimer(UINT_PTR id)
{
  if (current_ == nullptr || hidden_) {
    KillTimer(id);
    hide();
    return;
  }
  POINT cursor;
  ::GetCursorPos(&cursor);
  Tool* under = tool_under_cursor();
  if (id == kShowTimer) {
    KillTimer(kShowTimer);
    if (under != current_) {
      hide();
      return;
    }
    show_tip(POINT{cursor.x + offset_.x, cursor.y + offset_.y}, 0);
    shown_ms_ = 0;
    SetTimer(kPollTimer, kPollIntervalMs);
    return;
  }
  if (id != kPollTimer)
    return;
  shown_ms_ += kPollIntervalMs;
  bool stays = under == current_ ? shown_ms_ < kAutoHideMs : under == nullptr && cursor_in_tip(cursor);
  if (!stays) {
    KillTimer(kPollTimer);
    hide();
  }
}

void TooltipWnd::OnLButtonDown(UINT, CPoint)
{
  if (two_pages_ && current_ != nullptr) {
    page_ ^= 1;
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    show_at(POINT{window.left, window.top}, false);
  }
  if (::IsWindow(lost_focus_))
    ::SetFocus(lost_focus_);
}

void TooltipWnd::OnSetFocus(CWnd* old)
{
  lost_focus_ = old != nullptr ? old->GetSafeHwnd() : nullptr;
}

void TooltipWnd::OnDestroy()
{
  stop_timers();
  CWnd::OnDestroy();
}

void TooltipWnd::OnSettingChange(UINT, LPCTSTR)
{
  if (system_font_)
    take_status_font();
}

int TooltipWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
  return MA_NOACTIVATE;
}

LRESULT TooltipWnd::OnSetFont(WPARAM font, LPARAM redraw)
{
  LOGFONT given;
  if (font != 0 && GetObjectA(reinterpret_cast<HFONT>(font), sizeof(given), &given) == sizeof(given)) {
    use_font(given);
    system_font_ = false;
  } else {
    take_status_font();
  }
  if (redraw != 0)
    Invalidate();
  return 0;
}

LRESULT TooltipWnd::OnGetFont(WPARAM, LPARAM)
{
  return reinterpret_cast<LRESULT>(font_);
}

void TooltipWnd::OnPaint()
{
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  COLORREF back = current_ != nullptr ? current_->back_color : default_back_;
  COLORREF text = current_ != nullptr ? current_->text_color : default_text_;
  HBRUSH brush = CreateSolidBrush(resolve(back, COLOR_INFOBK));
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, client.left, client.top, client.right, client.bottom);
  HGDIOBJ old_font = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  RECT area = {client.left + margins_.left, client.top + margins_.top, client.right - margins_.right,
               client.bottom - margins_.bottom};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, resolve(text, COLOR_INFOTEXT));
  DrawTextA(dc, shown_text_.c_str(), int(shown_text_.size()), &area, kTooltipTextFormat);
  if (two_pages_) {
    // A small black triangle points at the other page.
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SIZE spaces;
    GetTextExtentPoint32A(dc, "  ", 2, &spaces);
    int gap = std::max<int>(metrics.tmDescent, metrics.tmInternalLeading + metrics.tmExternalLeading);
    int height = (spaces.cy & ~1) - 2 * gap;
    int inset = spaces.cx - metrics.tmAveCharWidth / 2;
    int top = area.top + gap;
    POINT triangle[3];
    if (page_ == 0) {
      triangle[0] = {area.right - inset, top};
      triangle[1] = {area.right - inset, top + height};
      triangle[2] = {area.right, top + height / 2};
    } else {
      triangle[0] = {area.left + inset, top};
      triangle[1] = {area.left + inset, top + height};
      triangle[2] = {area.left, top + height / 2};
    }
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Polygon(dc, triangle, 3);
  }
  SelectObject(dc, old_font);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  ::EndPaint(m_hWnd, &paint);
}
