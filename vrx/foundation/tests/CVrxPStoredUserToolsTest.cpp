#include "foundation/CVrxPStoredUserTools.h"

#include "foundation/CVrxPUserToolRecord.h"

#include <gtest/gtest.h>

#include <vector>

class CStoredToolsTestTool : public CVrxPUserToolRecord
{
    DECLARE_SERIAL(CStoredToolsTestTool)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            StoreFields(ar);
        else
            m_strCommand = LoadFields(ar);
    }
    void SetCommand(LPCTSTR lpszCommand) { m_strCommand = lpszCommand; }
};

// Counts how many a read made, which must be none.
class CStoredToolsTestOther : public CObject
{
    DECLARE_SERIAL(CStoredToolsTestOther)
public:
    CStoredToolsTestOther() { made++; }
    static int made;
};
int CStoredToolsTestOther::made = 0;

IMPLEMENT_SERIAL(CStoredToolsTestTool, CObject, CVrxPUserToolRecord::storedSchema)
IMPLEMENT_SERIAL(CStoredToolsTestOther, CObject, 1)

namespace
{
using Bytes = std::vector<BYTE>;

const UINT firstId = 0x8010;
const UINT lastId = 0x8019;

Bytes Stored(std::vector<CObject*> objects)
{
    CObList list;
    for (CObject* pObject : objects)
        list.AddTail(pObject);
    Bytes bytes;
    EXPECT_TRUE(CVrxPStoredUserTools::Store(bytes, list));
    return bytes;
}

BOOL Read(CVrxPStoredUserTools& stored, const Bytes& bytes)
{
    return stored.Read(bytes.data(), static_cast<UINT>(bytes.size()), RUNTIME_CLASS(CStoredToolsTestTool), firstId,
                       lastId);
}

TEST(CVrxPStoredUserTools, ToolsComeBackWithEveryField)
{
    CStoredToolsTestTool editor;
    editor.name = "Editor";
    editor.SetCommand("notepad.exe");
    editor.arguments = "$(File)";
    editor.initialDirectory = "C:\\";
    editor.commandId = firstId + 2;
    CStoredToolsTestTool shell;
    shell.commandId = firstId;
    const Bytes bytes = Stored({&editor, &shell});
    // Count, new-class tag, schema 1, the class name.
    EXPECT_EQ((Bytes{2, 0, 0xFF, 0xFF, 1, 0, 20, 0}), Bytes(bytes.begin(), bytes.begin() + 8));

    CVrxPStoredUserTools stored;
    ASSERT_TRUE(Read(stored, bytes));
    CObList tools;
    stored.MoveTools(tools);
    ASSERT_EQ(2, tools.GetCount());
    EXPECT_TRUE(stored.GetTools().IsEmpty());
    const auto* pEditor = static_cast<const CStoredToolsTestTool*>(tools.GetHead());
    EXPECT_STREQ("Editor", pEditor->name);
    EXPECT_STREQ("notepad.exe", pEditor->GetCommand());
    EXPECT_STREQ("$(File)", pEditor->arguments);
    EXPECT_STREQ("C:\\", pEditor->initialDirectory);
    EXPECT_EQ(firstId + 2, pEditor->commandId);
    EXPECT_EQ(firstId, static_cast<const CStoredToolsTestTool*>(tools.GetTail())->commandId);
    while (!tools.IsEmpty())
        delete tools.RemoveHead();
}

TEST(CVrxPStoredUserTools, ValuesThatAreNotDistinctToolsOfTheRangeAreRefused)
{
    CStoredToolsTestTool first;
    first.commandId = firstId;
    CStoredToolsTestTool second;
    second.commandId = firstId + 1;
    CStoredToolsTestTool sameId;
    sameId.commandId = firstId;
    CStoredToolsTestTool outside;
    outside.commandId = lastId + 1;
    CStoredToolsTestOther other;
    Bytes withMore = Stored({&first});
    withMore.push_back(0);
    Bytes cut = Stored({&first, &second});
    cut.pop_back();
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"one tool listed twice", Stored({&first, &first})},
        {"two tools with one id", Stored({&first, &sameId})},
        {"an id outside the range", Stored({&first, &outside})},
        {"another class", Stored({&second, &other})},
        {"a null", Stored({&first, nullptr})},
        {"bytes after the list", withMore},
        {"cut short", cut},
    };
    const int nOthersBefore = CStoredToolsTestOther::made;
    for (const auto& c : cases)
    {
        CVrxPStoredUserTools stored;
        EXPECT_FALSE(Read(stored, c.bytes)) << c.what;
        EXPECT_TRUE(stored.GetTools().IsEmpty()) << c.what;
    }
    EXPECT_EQ(nOthersBefore, CStoredToolsTestOther::made) << "a value made an object of another class";
    CVrxPStoredUserTools stored;
    EXPECT_TRUE(Read(stored, Stored({&first, &second})));
}
} // namespace
