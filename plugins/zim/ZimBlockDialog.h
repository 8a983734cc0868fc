#pragma once
#include "FlashBlockEntry.h"
#include "dialogs/CDialog.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CButton;
class CEdit;
class CStatic;
class CZimDialog;

// Control id bases of a block row.
constexpr UINT kBlockLabelBase = 20100;
constexpr UINT kBlockPathBase = 20200;
constexpr UINT kBlockBrowseBase = 20300;
constexpr int kBlockRowHeight = 22;
constexpr int kBlockRowTop = 10;
constexpr char kUpgradeCaption[] = "ZimBlock";
constexpr char kReadCaption[] = "ReadBlock";

// One row per block of the target's table: a file is chosen for each block
// to upgrade (or to receive a block read back); the first button hands the
// chosen rows to the engine and resumes its worker.
class ZimBlockDialog : public CDialog {
public:
  ZimBlockDialog(CZimDialog* view, bool read);
  ~ZimBlockDialog() override;

  // The engine's progress, types 4 and 5.
  void show_status(int type, uint32_t done, uint32_t total);

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnCancel() override;

  afx_msg void OnGo();
  afx_msg void OnBack();
  afx_msg void OnBrowseRow(UINT nID);

  DECLARE_MESSAGE_MAP()

private:
  struct Row {
    std::unique_ptr<CStatic> label;
    std::unique_ptr<CEdit> path_edit;
    std::unique_ptr<CButton> browse;
  };

  void make_row(std::size_t index);
  void fit_rows();

  CZimDialog* view_;
  bool read_;
  uint16_t row_count_ = 0;
  std::vector<std::string> paths_;
  std::vector<FlashBlockEntry> entries_;
  std::vector<Row> rows_;
};
