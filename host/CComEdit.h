#pragma once
#include "ConsoleLog.h"
#include "ConsoleText.h"
#include "controls/CEdit.h"
#include "windows/CMenu.h"

class OutputComponent;

// The console: shows what the target sends, logs it daily, and sends every
// typed key to the target (the target's echo shows it).
class CComEdit : public CEdit {
public:
  CComEdit();

  BOOL PreTranslateMessage(MSG* pMsg) override;

  OutputComponent* output() const { return output_; }
  const std::string& filter() const { return text_.filter(); }

protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg LRESULT OnAppendText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnClearText(WPARAM wParam, LPARAM lParam);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDestroy();
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnCopySelection();
  afx_msg void OnSetFilter();
  afx_msg void OnClearConsole();

  DECLARE_MESSAGE_MAP()

private:
  void append_at_end(const std::string& text);
  void delete_last_character();
  void trim();
  void clear_all();

  OutputComponent* output_;
  ConsoleLog log_;
  CMenu menu_;
  ConsoleText text_;
};
