#pragma once
#include "ConsoleLog.h"
#include "ConsoleText.h"
#include "controls/CEdit.h"
#include "windows/CMenu.h"

class OutputComponent;

// The console: shows what the target sends, logs it daily, and sends every
// typed key to the target (the target's echo shows it).
//
// Received text is logged at once and gathered, and goes into the edit in one
// piece a moment later: the edit control pays for every insertion, and a
// target that talks fast would otherwise outrun it. Whoever reads the text
// or acts on the edit gets the gathered text put in first.
class CComEdit : public CEdit {
public:
  CComEdit();

  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

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
  void schedule_show();
  // Puts the gathered text into the edit, removing the oldest text first
  // when the whole would reach four fifths of the edit's limit.
  void show_gathered();
  void clear_all();

  OutputComponent* output_;
  ConsoleLog log_;
  CMenu menu_;
  ConsoleText text_;
  std::string gathered_;
  bool show_scheduled_;
  // Waits at least three times as long as the last showing took, so that
  // showing takes at most a quarter of the time while text pours in.
  UINT show_delay_;
};
