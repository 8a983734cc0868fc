#include "FieldControls.h"

#include <memory>

namespace {

const DWORD kFieldStaticStyle = WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER;
const DWORD kFieldEditStyle = WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_AUTOHSCROLL;
const DWORD kFieldComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
const int kComboStorageItems = 256;
const int kComboStorageBytes = 10;
// The list drops below the control this far.
const int kComboListHeight = 200;

void take_parent_font(CWnd* parent, CWnd* control)
{
  const LRESULT font = parent->SendMessage(WM_GETFONT);
  control->SendMessage(WM_SETFONT, static_cast<WPARAM>(font), TRUE);
}

}  // namespace

CStatic* create_field_static(CWnd* parent, UINT id, const char* text, const RECT& rect)
{
  auto label = std::make_unique<CStatic>();
  if (!label->Create(text, kFieldStaticStyle, rect, parent, id))
    return nullptr;
  take_parent_font(parent, label.get());
  return label.release();
}

CEdit* create_field_edit(CWnd* parent, UINT id, const RECT& rect)
{
  auto edit = std::make_unique<CEdit>();
  if (!edit->Create(kFieldEditStyle, rect, parent, id))
    return nullptr;
  edit->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
  take_parent_font(parent, edit.get());
  return edit.release();
}

CComboBox* create_field_combo(CWnd* parent, UINT id, const RECT& rect)
{
  auto combo = std::make_unique<CComboBox>();
  RECT dropped = rect;
  dropped.bottom += kComboListHeight;
  if (!combo->Create(kFieldComboStyle, dropped, parent, id))
    return nullptr;
  combo->SendMessage(CB_INITSTORAGE, kComboStorageItems, kComboStorageItems * kComboStorageBytes);
  take_parent_font(parent, combo.get());
  return combo.release();
}
