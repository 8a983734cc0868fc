#pragma once
#include "ScriptBlock.h"
#include "TooltipWnd.h"
#include "dialogs/CDialog.h"

#include <memory>
#include <vector>

class TailorDialog;

// The field editor of one script block: a label and a value control per
// field, loaded from the field's bits in the view's image; OK writes the
// values back and renews the block's CRC word. At most one exists.
class TailorNewButtonDialog : public CDialog {
public:
  TailorNewButtonDialog(TailorDialog* view, ScriptBlock& block);
  ~TailorNewButtonDialog() override;

  BOOL PreTranslateMessage(MSG* message) override;

protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

private:
  void build_controls();

  TailorDialog* view_;
  ScriptBlock& block_;
  TooltipWnd tooltip_;
  std::size_t loaded_ = 0;
  std::vector<std::unique_ptr<CWnd>> labels_;
  std::vector<std::unique_ptr<CWnd>> values_;
};

// Opens the editor of the block (closing one of another block first) with
// the parent dialog as its parent.
void open_field_editor(TailorDialog* view, ScriptBlock& block, CWnd* parent);
void close_field_editor();
