#include "TailorNewButtonDialog.h"

#include "BlockFieldEditor.h"
#include "FieldControls.h"
#include "TailorDialog.h"
#include "TailorIds.h"

namespace {

const COLORREF kTipBackColor = 0xACF7BB;
const int kTipWidth = 200;
const int kFieldsPerRow = 4;
const int kColumnWidth = 220;
const int kRowHeight = 25;

// The one open editor. OK and Cancel destroy its window from inside its own
// handlers, so the object itself goes at the next open or close.
TailorNewButtonDialog* open_editor = nullptr;
std::unique_ptr<TailorNewButtonDialog> closed_editor;

void retire_field_editor()
{
  if (open_editor == nullptr)
    return;
  TailorNewButtonDialog* editor = open_editor;
  open_editor = nullptr;
  editor->DestroyWindow();
  closed_editor.reset(editor);
}

std::string window_text(CWnd* window)
{
  const int length = window->GetWindowTextLength();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  window->GetWindowText(&text[0], length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

TailorNewButtonDialog::TailorNewButtonDialog(TailorDialog* view, ScriptBlock& block)
    : CDialog(IDD_FIELD_EDITOR), view_(view), block_(block)
{
}

TailorNewButtonDialog::~TailorNewButtonDialog()
{
  labels_.clear();
  values_.clear();
  if (GetSafeHwnd() != nullptr)
    DestroyWindow();
}

BOOL TailorNewButtonDialog::OnInitDialog()
{
  CDialog::OnInitDialog();
  SetWindowText(block_.name.c_str());
  build_controls();
  return TRUE;
}

void TailorNewButtonDialog::build_controls()
{
  if (block_.em == ScriptBlock::DescribedFields) {
    EnableToolTips(TRUE);
    if (tooltip_.create(this)) {
      tooltip_.set_enabled(true);
      tooltip_.set_tip_width(kTipWidth);
      tooltip_.set_back_color(kTipBackColor);
    }
  }
  FlashImageAnalysis& analysis = view_->analysis();
  BlockFieldEditor editor(analysis.image.edit(), analysis.bank_entries, block_);
  FieldLoadResult load = editor.load();
  loaded_ = load.loaded;
  for (std::size_t i = 0; i < loaded_; ++i) {
    const ScriptField& field = block_.fields[i];
    const int x = kColumnWidth * static_cast<int>(i % kFieldsPerRow);
    const int y = kRowHeight * static_cast<int>(i / kFieldsPerRow);
    const UINT index = static_cast<UINT>(i);
    labels_.emplace_back(create_field_static(this, kFieldLabelIdBase + index, field.name.c_str(),
                                             CRect(x + 10, y + 10, x + 100, y + 30)));
    const CRect value_rect(x + 115, y + 10, x + 227, y + 30);
    if (field.type == ScriptField::Choice) {
      CComboBox* combo = create_field_combo(this, kFieldValueIdBase + index, value_rect);
      if (combo != nullptr) {
        const uint64_t count = BlockFieldEditor::choice_count(field);
        for (uint64_t k = 0; k < count; ++k)
          combo->AddString(std::to_string(BlockFieldEditor::choice_value(field, uint32_t(k))).c_str());
        combo->SetCurSel(static_cast<int>(BlockFieldEditor::choice_index(field)));
      }
      values_.emplace_back(combo);
    } else {
      CEdit* edit = create_field_edit(this, kFieldValueIdBase + index, value_rect);
      if (edit != nullptr)
        edit->SetWindowText(BlockFieldEditor::edit_text(field).c_str());
      values_.emplace_back(edit);
    }
    if (tooltip_.GetSafeHwnd() != nullptr && values_.back())
      tooltip_.add_tool(values_.back().get(), unescape_newlines(field.description).c_str(), nullptr, 0);
  }
  if (!load.message.empty())
    view_->show_error(load.message);
}

BOOL TailorNewButtonDialog::PreTranslateMessage(MSG* message)
{
  if (tooltip_.GetSafeHwnd() != nullptr)
    tooltip_.relay_event(message);
  return CDialog::PreTranslateMessage(message);
}

void TailorNewButtonDialog::OnOK()
{
  std::vector<FieldInput> inputs(loaded_);
  for (std::size_t i = 0; i < loaded_ && i < values_.size(); ++i) {
    CWnd* control = values_[i].get();
    if (control == nullptr)
      continue;
    if (block_.fields[i].type == ScriptField::Choice) {
      const LRESULT selected = control->SendMessage(CB_GETCURSEL);
      inputs[i].selected = selected == CB_ERR ? 0 : static_cast<uint32_t>(selected);
    } else {
      inputs[i].text = window_text(control);
    }
  }
  // Nothing was shown, so nothing is written.
  if (loaded_ > 0) {
    FlashImageAnalysis& analysis = view_->analysis();
    BlockFieldEditor editor(analysis.image.edit(), analysis.bank_entries, block_);
    FieldLoadResult load = editor.load();
    if (load.loaded != loaded_ || editor.write_back(inputs) != kTailorDone)
      view_->show_error(load.message.empty() ? kFieldOutsideDataMessage : load.message);
  }
  retire_field_editor();
}

void TailorNewButtonDialog::OnCancel()
{
  retire_field_editor();
}

void open_field_editor(TailorDialog* view, ScriptBlock& block, CWnd* parent)
{
  close_field_editor();
  auto editor = std::make_unique<TailorNewButtonDialog>(view, block);
  if (!editor->Create(IDD_FIELD_EDITOR, parent))
    return;
  editor->ShowWindow(SW_SHOW);
  open_editor = editor.release();
}

void close_field_editor()
{
  delete open_editor;
  open_editor = nullptr;
  closed_editor.reset();
}
