#pragma once
#include "dialogs/CDialog.h"
#include "panes/CVrxPURLLinkButton.h"

constexpr char kProductWord[] = "KORVO_Tarsel";
constexpr char kProductVersion[] = "4.70";

// "About korvo": the product word and version, and a link that opens the
// program's folder, where the daily console logs are kept.
class AboutDialog : public CDialog {
public:
  AboutDialog();

  BOOL OnInitDialog() override;

protected:
  void DoDataExchange(CDataExchange* pDX) override;

private:
  CVrxPURLLinkButton link_;
};
