#include "tests/ButtonTestDialog.h"

ButtonTestDialog::ButtonTestDialog() : CVrxPDialog(IDD_TEST_BUTTONS), buttonMenu(NULL)
{
}

ButtonTestDialog::~ButtonTestDialog()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
    if (buttonMenu != NULL)
        ::DestroyMenu(buttonMenu);
}

BOOL ButtonTestDialog::OnInitDialog()
{
    CVrxPDialog::OnInitDialog();
    flat.borderStyle = CVrxPButton::borderFlat;
    semiFlat.borderStyle = CVrxPButton::borderSemiFlat;
    repeat.SetRepeatDelay(100);
    buttonMenu = ::LoadMenu(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_TEST_BUTTON_MENU));
    menuButton.menu = ::GetSubMenu(buttonMenu, 0);
    menuButton.systemTracking = FALSE;
    const std::pair<CVrxPButton*, UINT> controls[] = {
        {&flat, IDC_TEST_FLAT},       {&semiFlat, IDC_TEST_SEMIFLAT}, {&plain, IDC_TEST_PLAIN},
        {&check, IDC_TEST_CHECK},     {&radioA, IDC_TEST_RADIO_A},    {&radioB, IDC_TEST_RADIO_B},
        {&repeat, IDC_TEST_REPEAT},   {&menuButton, IDC_TEST_MENU},   {&link, IDC_TEST_LINK}};
    for (const auto& control : controls)
        control.first->SubclassDlgItem(control.second, this);
    return TRUE;
}

BOOL ButtonTestDialog::Open(CPoint topLeft)
{
    if (!Create(IDD_TEST_BUTTONS, nullptr))
        return FALSE;
    SetWindowPos(&CWnd::wndTop, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow();
    UpdateWindow();
    return TRUE;
}

CPoint ButtonTestDialog::CentreOf(const CWnd& control) const
{
    CRect rect;
    control.GetWindowRect(&rect);
    return rect.CenterPoint();
}

int ButtonTestDialog::ClicksFrom(UINT nId) const
{
    int nCount = 0;
    for (const auto& command : commands)
        nCount += command.first == nId && command.second == BN_CLICKED;
    return nCount;
}

BOOL ButtonTestDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pExtra == nullptr && pHandlerInfo == nullptr)
        commands.emplace_back(nID, static_cast<UINT>(nCode));
    return CVrxPDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
