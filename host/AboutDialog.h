#pragma once
#include "dialogs/CDialog.h"

constexpr char kProductWord[] = "KORVO_Tarsel";
constexpr char kProductVersion[] = "4.70";

// "About korvo": the product word and version.
class AboutDialog : public CDialog {
public:
  AboutDialog();

  BOOL OnInitDialog() override;
};
