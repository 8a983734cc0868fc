#include "core/CException.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the throwing call and gives back what was caught.
CException* Catch(const std::function<void()>& fn)
{
    try
    {
        fn();
    }
    catch (CException* e)
    {
        return e;
    }
    return nullptr;
}

CString MessageOf(const CException* e)
{
    char text[256];
    UINT nHelp = 99;
    if (!e->GetErrorMessage(text, sizeof text, &nHelp))
        return CString("(none)");
    EXPECT_EQ(0u, nHelp);
    return text;
}

} // namespace

TEST(ExceptionTest, EachThrowFunctionThrowsItsClass)
{
    struct Case
    {
        std::function<void()> fn;
        CRuntimeClass* pClass;
    };
    const Case cases[] = {
        {[] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException)},
        {[] { AfxThrowNotSupportedException(); }, RUNTIME_CLASS(CNotSupportedException)},
        {[] { AfxThrowInvalidArgException(); }, RUNTIME_CLASS(CInvalidArgException)},
        {[] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException)},
        {[] { AfxThrowUserException(); }, RUNTIME_CLASS(CUserException)},
        {[] { AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, "a.bin"); }, RUNTIME_CLASS(CFileException)},
        {[] { AfxThrowArchiveException(CArchiveException::badClass); }, RUNTIME_CLASS(CArchiveException)},
    };
    for (const Case& c : cases)
    {
        CException* e = Catch(c.fn);
        ASSERT_NE(nullptr, e);
        EXPECT_EQ(c.pClass, e->GetRuntimeClass());
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        e->Delete();
    }
}

TEST(ExceptionTest, MemoryExceptionIsSharedAndSurvivesDelete)
{
    CException* first = Catch([] { AfxThrowMemoryException(); });
    first->Delete();
    CException* second = Catch([] { AfxThrowMemoryException(); });
    EXPECT_EQ(first, second);
    EXPECT_EQ("Out of memory.", MessageOf(second));
    second->Delete();
}

TEST(ExceptionTest, CausesAndNamesAreKept)
{
    CException* e = Catch([] { AfxThrowArchiveException(CArchiveException::endOfFile, "state"); });
    auto* archive = static_cast<CArchiveException*>(e);
    EXPECT_EQ(CArchiveException::endOfFile, archive->m_cause);
    EXPECT_EQ("state", archive->m_strFileName);
    e->Delete();

    e = Catch([] { CFileException::ThrowOsError(ERROR_SHARING_VIOLATION, "C:\\x.log"); });
    auto* file = static_cast<CFileException*>(e);
    EXPECT_EQ(CFileException::sharingViolation, file->m_cause);
    EXPECT_EQ(ERROR_SHARING_VIOLATION, file->m_lOsError);
    // The system's own reason follows the cause.
    CString message = MessageOf(file);
    EXPECT_EQ(0, message.Find("A sharing violation occurred while accessing 'C:\\x.log': ")) << (LPCTSTR)message;
    EXPECT_GT(message.GetLength(), 60);
    e->Delete();
}

TEST(ExceptionTest, ArchiveCauseValuesAreFixed)
{
    // Stored in callers' logic and compared across modules.
    EXPECT_EQ(0, CArchiveException::none);
    EXPECT_EQ(2, CArchiveException::readOnly);
    EXPECT_EQ(3, CArchiveException::endOfFile);
    EXPECT_EQ(4, CArchiveException::writeOnly);
    EXPECT_EQ(5, CArchiveException::badIndex);
    EXPECT_EQ(6, CArchiveException::badClass);
    EXPECT_EQ(7, CArchiveException::badSchema);
}

TEST(ExceptionTest, MessagesFitTheCallersBuffer)
{
    CArchiveException e(CArchiveException::badSchema);
    char text[8];
    EXPECT_TRUE(e.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ("The arc", text);

    CArchiveException unknown(1234);
    EXPECT_EQ("An unexpected archive error occurred.", MessageOf(&unknown));

    CFileException unnamed(CFileException::fileNotFound);
    EXPECT_EQ("Could not find an unnamed file.", MessageOf(&unnamed));

    CUserException user;
    EXPECT_EQ("(none)", MessageOf(&user));
}

TEST(ExceptionTest, OsErrorsMapToCauses)
{
    const struct
    {
        LONG lOsError;
        int cause;
    } cases[] = {
        {NO_ERROR, CFileException::none},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_INVALID_NAME, CFileException::badPath},
        {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_INVALID_HANDLE, CFileException::invalidFile},
        {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
        {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_CRC, CFileException::hardIO},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_NOT_ENOUGH_MEMORY, CFileException::genericException},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cause, CFileException::OsErrorToException(c.lOsError)) << c.lOsError;
}
