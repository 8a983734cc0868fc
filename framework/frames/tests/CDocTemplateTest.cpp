#include "app/CWinApp.h"
#include "frames/CMultiDocTemplate.h"

#include "app/CCmdUI.h"
#include "frames/CDocManager.h"

#include "MdiTestFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct DocStringCase
{
    CDocTemplate::DocStringIndex index;
    const char* pszExpected;
};

class DocStringTest : public ::testing::TestWithParam<DocStringCase>
{
};

TEST_P(DocStringTest, ThePartsOfTheTemplatesString)
{
    CMultiDocTemplate docTemplate(IDR_TEST_DOC, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestChild),
                                  RUNTIME_CLASS(TestView));
    CString strPart;
    BOOL bFound = docTemplate.GetDocString(strPart, GetParam().index);
    EXPECT_EQ(GetParam().pszExpected, std::string(strPart));
    EXPECT_EQ(*GetParam().pszExpected != '\0', bFound);
}

INSTANTIATE_TEST_SUITE_P(Parts, DocStringTest,
                         ::testing::Values(DocStringCase{CDocTemplate::windowTitle, ""},
                                           DocStringCase{CDocTemplate::docName, "Sheet"},
                                           DocStringCase{CDocTemplate::fileNewName, "Test sheet"},
                                           DocStringCase{CDocTemplate::filterName, "Sheets (*.sht)"},
                                           DocStringCase{CDocTemplate::filterExt, ".sht"},
                                           DocStringCase{CDocTemplate::regFileTypeId, "Test.Sheet"},
                                           DocStringCase{CDocTemplate::regFileTypeName, "Test Sheet"}));

class DocTemplateTest : public MdiTestFixture
{
protected:
    void SetUp() override
    {
        MdiTestFixture::SetUp();
        // Frames of templates go into the main window.
        AfxGetThread()->m_pMainWnd = m_pFrame;
        TestDocument::s_nDestroyed = 0;
        m_pTemplate = new CMultiDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestChild),
                                            RUNTIME_CLASS(TestView));
    }
    void TearDown() override
    {
        MdiTestFixture::TearDown();
        delete m_pTemplate;
    }

    int ViewCount(CDocument* pDocument) const
    {
        int nCount = 0;
        for (POSITION pos = pDocument->GetFirstViewPosition(); pos != NULL; pDocument->GetNextView(pos))
            ++nCount;
        return nCount;
    }

    CMultiDocTemplate* m_pTemplate = nullptr;
};

TEST_F(DocTemplateTest, AFrameOnADocumentShowsItsViewTitleAndMenu)
{
    ASSERT_NE(nullptr, m_pTemplate->m_hMenuShared);
    CDocument* pDocument = m_pTemplate->CreateNewDocument();
    ASSERT_NE(nullptr, pDocument);
    EXPECT_EQ(m_pTemplate, pDocument->GetDocTemplate());
    pDocument->SetTitle("Sheet1");

    CFrameWnd* pFrame = m_pTemplate->CreateNewFrame(pDocument, nullptr);
    ASSERT_NE(nullptr, pFrame);
    m_pTemplate->InitialUpdateFrame(pFrame, pDocument);

    ASSERT_EQ(1, ViewCount(pDocument));
    POSITION pos = pDocument->GetFirstViewPosition();
    TestView* pView = static_cast<TestView*>(pDocument->GetNextView(pos));
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_EQ(1, pView->m_nInitialUpdates);
    EXPECT_EQ(pFrame, m_pFrame->MDIGetActive());
    EXPECT_EQ(m_pTemplate->m_hMenuShared, ::GetMenu(m_pFrame->m_hWnd));

    char szText[256];
    pFrame->GetWindowText(szText, 256);
    EXPECT_STREQ("Sheet1", szText);
    m_pFrame->GetWindowText(szText, 256);
    EXPECT_STREQ("Test Frame - Sheet1", szText);
}

TEST_F(DocTemplateTest, ANewWindowShowsTheSameDocumentWhichClosesWithItsLastView)
{
    CDocument* pDocument = m_pTemplate->CreateNewDocument();
    ASSERT_NE(nullptr, pDocument);
    CFrameWnd* pFirst = m_pTemplate->CreateNewFrame(pDocument, nullptr);
    ASSERT_NE(nullptr, pFirst);
    m_pTemplate->InitialUpdateFrame(pFirst, pDocument);

    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    EXPECT_EQ(2, ViewCount(pDocument));
    CFrameWnd* pSecond = m_pFrame->MDIGetActive();
    ASSERT_NE(pFirst, pSecond);

    pFirst->SendMessage(WM_CLOSE);
    EXPECT_EQ(1, ViewCount(pDocument));
    EXPECT_EQ(0, TestDocument::s_nDestroyed);

    pSecond->SendMessage(WM_CLOSE);
    EXPECT_EQ(1, TestDocument::s_nDestroyed);
    EXPECT_EQ(nullptr, m_pTemplate->GetFirstDocPosition());
}

TEST_F(DocTemplateTest, AnUpdateReachesEveryViewButTheSender)
{
    CDocument* pDocument = m_pTemplate->CreateNewDocument();
    ASSERT_NE(nullptr, pDocument);
    CFrameWnd* pFrame = m_pTemplate->CreateNewFrame(pDocument, nullptr);
    ASSERT_NE(nullptr, pFrame);
    m_pTemplate->InitialUpdateFrame(pFrame, pDocument);
    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    ASSERT_EQ(2, ViewCount(pDocument));

    POSITION pos = pDocument->GetFirstViewPosition();
    TestView* pFirst = static_cast<TestView*>(pDocument->GetNextView(pos));
    TestView* pSecond = static_cast<TestView*>(pDocument->GetNextView(pos));
    int nFirstBefore = pFirst->m_nUpdates;
    int nSecondBefore = pSecond->m_nUpdates;
    pDocument->UpdateAllViews(pFirst);
    EXPECT_EQ(nFirstBefore, pFirst->m_nUpdates);
    EXPECT_EQ(nSecondBefore + 1, pSecond->m_nUpdates);
}

TEST_F(DocTemplateTest, ThePathNamesTheDocument)
{
    CDocument* pDocument = m_pTemplate->CreateNewDocument();
    ASSERT_NE(nullptr, pDocument);
    pDocument->m_bAutoDelete = FALSE;
    pDocument->SetPathName("C:\\work\\Book.sht");
    EXPECT_EQ("C:\\work\\Book.sht", std::string(pDocument->GetPathName()));
    EXPECT_EQ("Book.sht", std::string(pDocument->GetTitle()));
    delete pDocument;
    EXPECT_EQ(nullptr, m_pTemplate->GetFirstDocPosition());
}

TEST(CDocManager, KeepsItsTemplatesOnceAndInOrder)
{
    CDocManager manager;
    auto* pFirst = new CMultiDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestChild),
                                         RUNTIME_CLASS(TestView));
    auto* pSecond = new CMultiDocTemplate(IDR_CHILD_A, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestChild),
                                          RUNTIME_CLASS(TestView));
    manager.AddDocTemplate(pFirst);
    manager.AddDocTemplate(pSecond);
    manager.AddDocTemplate(pFirst);
    POSITION pos = manager.GetFirstDocTemplatePosition();
    EXPECT_EQ(pFirst, manager.GetNextDocTemplate(pos));
    EXPECT_EQ(pSecond, manager.GetNextDocTemplate(pos));
    EXPECT_EQ(nullptr, pos);
    // The manager deletes them.
}

TEST(CWinAppTemplates, TheApplicationWalksTheTemplatesItWasGiven)
{
    CWinApp* pApp = AfxGetApp();
    ASSERT_NE(nullptr, pApp);
    auto* pTemplate = new CMultiDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestChild),
                                            RUNTIME_CLASS(TestView));
    pApp->AddDocTemplate(pTemplate);
    CDocTemplate* pLast = nullptr;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;)
        pLast = pApp->GetNextDocTemplate(pos);
    EXPECT_EQ(pTemplate, pLast);
}

TEST_F(DocTemplateTest, NewWindowNeedsADocument)
{
    ASSERT_NE(nullptr, NewChildA());
    class RecordingCmdUI : public CCmdUI
    {
    public:
        BOOL m_bEnabled = TRUE;
        void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    } record;
    record.m_nID = ID_WINDOW_NEW;
    record.DoUpdate(m_pFrame, FALSE);
    EXPECT_FALSE(record.m_bEnabled);
}
} // namespace
