#include "DynamicControls.h"
#include <memory>

namespace {

void take_parent_font(CWnd* control, CWnd* parent)
{
  LRESULT font = parent->SendMessage(WM_GETFONT);
  control->SendMessage(WM_SETFONT, static_cast<WPARAM>(font), TRUE);
}

}  // namespace

CButton* create_dynamic_button(CWnd* parent, UINT id, const char* text, const RECT& rect, DWORD style)
{
  auto button = std::make_unique<CButton>();
  if (!button->Create(text, kDynamicButtonStyle | style, rect, parent, id))
    return nullptr;
  take_parent_font(button.get(), parent);
  return button.release();
}

CStatic* create_dynamic_static(CWnd* parent, UINT id, const char* text, const RECT& rect, DWORD style)
{
  auto label = std::make_unique<CStatic>();
  if (!label->Create(text, kDynamicStaticStyle | style, rect, parent, id))
    return nullptr;
  take_parent_font(label.get(), parent);
  return label.release();
}

CEdit* create_dynamic_edit(CWnd* parent, UINT id, const RECT& rect, DWORD style)
{
  auto edit = std::make_unique<CEdit>();
  if (!edit->Create(kDynamicEditStyle | style, rect, parent, id))
    return nullptr;
  edit->ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
  take_parent_font(edit.get(), parent);
  return edit.release();
}
