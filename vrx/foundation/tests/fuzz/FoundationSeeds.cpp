// Writes the seeds of the foundation's state-reader harnesses with the
// writers the classes store their state with: foundation_seeds <corpus root>
// makes <corpus root>/<harness>/<seed>. Each seed is laid out as its
// harness's input says: length-prefixed values, the last one unprefixed.
#include "UserToolStandIn.h"
#include "foundation/tests/fuzz/SeedFile.h"

#include "collections/CByteArray.h"
#include "collections/CList.h"
#include "collections/CMap.h"
#include "collections/CDWordArray.h"
#include "collections/CStringArray.h"
#include "collections/CStringList.h"
#include "foundation/CVrxPArchivedValue.h"
#include "foundation/CVrxPStoredAccelTable.h"
#include "foundation/CVrxPStoredMouseBindings.h"
#include "foundation/CVrxPStoredUserTools.h"
#include "foundation/CVrxPStoredWorkspace.h"

#include <cstdio>
#include <string>

namespace
{
using Bytes = std::vector<BYTE>;

std::string s_root;

// The values, each but the last after its length byte.
Bytes Values(const std::vector<Bytes>& values)
{
    Bytes bytes;
    for (size_t i = 0; i < values.size(); i++)
    {
        if (i + 1 < values.size())
            bytes.push_back(static_cast<BYTE>(values[i].size()));
        bytes.insert(bytes.end(), values[i].begin(), values[i].end());
    }
    return bytes;
}

Bytes Joined(Bytes head, const Bytes& value)
{
    head.insert(head.end(), value.begin(), value.end());
    return head;
}

void Write(const char* harness, const char* seed, const Bytes& bytes)
{
    WriteSeedFile(s_root, harness, seed, bytes);
}

Bytes Number(DWORD dwValue)
{
    return Bytes{static_cast<BYTE>(dwValue), static_cast<BYTE>(dwValue >> 8), static_cast<BYTE>(dwValue >> 16),
                 static_cast<BYTE>(dwValue >> 24)};
}

// What the registry's WriteArchived stores for the object.
Bytes Archived(CObject& object)
{
    Bytes bytes;
    CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [&object](CArchive& ar) { object.Serialize(ar); });
    return bytes;
}

void ArchivedValueSeeds()
{
    Bytes bytes;
    CVrxPArchivedValue::StoreRect(bytes, RECT{10, 20, 810, 620});
    Write("archived_value_fuzz", "rect", Joined(Bytes{0}, bytes));
    CVrxPArchivedValue::StorePoint(bytes, POINT{-4, 300});
    Write("archived_value_fuzz", "point", Joined(Bytes{1}, bytes));
    CWordArray words;
    words.Add(1);
    words.Add(0xFFFF);
    words.Add(300);
    CVrxPArchivedValue::StoreWordArray(bytes, words);
    Write("archived_value_fuzz", "word-array", Joined(Bytes{2}, bytes));
    CByteArray byteArray;
    byteArray.Add(7);
    byteArray.Add(8);
    Write("archived_value_fuzz", "byte-array", Joined(Bytes{3}, Archived(byteArray)));
    CDWordArray dwords;
    dwords.Add(0x12345678);
    Write("archived_value_fuzz", "dword-array", Joined(Bytes{4}, Archived(dwords)));
    CStringArray strings;
    strings.Add("Standard");
    strings.Add("");
    Write("archived_value_fuzz", "string-array", Joined(Bytes{5}, Archived(strings)));
    CStringList list;
    list.AddTail("Menu bar");
    list.AddTail("Build");
    Write("archived_value_fuzz", "string-list", Joined(Bytes{6}, Archived(list)));
}

void AccelTableSeeds()
{
    const std::vector<VrxPStoredAccel> entries = {
        {0x01 | 0x08 | 0x04, 0, 0x74, 0x8001}, {0x01 | 0x10, 0, 0x24, 0x8002}, {0x08, 0, 'A', 0x8003},
        {0x01, 0, 0x2E, 0x8004},               {0x01 | 0x08, 0, 'S', 0x8005},
    };
    Write("accel_table_fuzz", "five-entries-one-forbidden", Values({Number(0x8005), CVrxPStoredAccelTable::Store(entries)}));
}

void MouseSeeds()
{
    Bytes bytes;
    const std::vector<CVrxPStoredMouseBindings::Binding> bindings = {{1, 0x8001}, {-2, 0x8002}};
    CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes,
                              [&bindings](CArchive& ar) { CVrxPStoredMouseBindings::Store(ar, bindings); });
    Write("mouse_bindings_fuzz", "two-bindings", bytes);
}

void CommandImageSeeds()
{
    CList<UINT, UINT> withoutImages;
    withoutImages.AddTail(32771);
    withoutImages.AddTail(32772);
    CMap<UINT, UINT, int, int> menuImages;
    menuImages[300] = 12;
    menuImages[301] = 0;
    Write("command_images_fuzz", "two-hidden-two-images", Values({Archived(withoutImages), Archived(menuImages)}));
}

void UserToolSeeds()
{
    CObList tools;
    CVrxPUserTool editor;
    editor.name = "Editor";
    editor.SetCommand("notepad.exe");
    editor.arguments = "$(File)";
    editor.initialDirectory = "C:\\";
    editor.commandId = 0x8010;
    CVrxPUserTool shell;
    shell.name = "Shell";
    shell.SetCommand("C:\\windows\\system32\\cmd.exe");
    shell.commandId = 0x8012;
    tools.AddTail(&editor);
    tools.AddTail(&shell);
    Bytes bytes;
    CVrxPStoredUserTools::Store(bytes, tools);
    // Ids 0x8010 to 0x8019.
    Write("user_tools_fuzz", "two-tools", Joined(Bytes{0x10, 0x80, 9}, bytes));
}

void WorkspaceSeeds()
{
    Bytes rect;
    CVrxPArchivedValue::StoreRect(rect, RECT{0, 0, 1024, 740});
    Write("workspace_state_fuzz", "maximised",
          Values({Number(9), Number(40), rect, Number(2), Number(CVrxPStoredWorkspace::showMaximized)}));
    CVrxPArchivedValue::StoreRect(rect, RECT{-30, 12, 600, 400});
    Write("workspace_state_fuzz", "normal",
          Values({Number(9), Number(40), rect, Number(0), Number(CVrxPStoredWorkspace::showNormal)}));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: foundation_seeds <corpus root>\n");
        return 2;
    }
    s_root = argv[1];
    ArchivedValueSeeds();
    AccelTableSeeds();
    MouseSeeds();
    CommandImageSeeds();
    UserToolSeeds();
    WorkspaceSeeds();
    return 0;
}
