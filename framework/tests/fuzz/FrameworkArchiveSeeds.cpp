// Writes the seeds of framework_archive_fuzz with the framework's own storing
// side: framework_archive_seeds <folder>. The forms only a reader meets (wide
// strings, unknown classes) are written as raw bytes.
#include "ArchiveFuzzObjects.h"
#include "ArchiveFuzzOp.h"

#include "collections/CDWordArray.h"
#include "collections/CMapStringToOb.h"
#include "collections/CMapStringToString.h"
#include "collections/CMapWordToOb.h"
#include "collections/CObArray.h"
#include "collections/CStringList.h"
#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "ole/COleDateTime.h"
#include "ole/COleVariant.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

bool WriteSeed(const std::string& folder, const char* name, const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const UINT nSize = static_cast<UINT>(file.GetLength());
    std::vector<BYTE> bytes(nSize);
    file.SeekToBegin();
    file.Read(bytes.data(), nSize);
    const std::string path = folder + "/" + name;
    FILE* pOut = std::fopen(path.c_str(), "wb");
    if (pOut == nullptr)
        return false;
    const bool bWritten = std::fwrite(bytes.data(), 1, bytes.size(), pOut) == bytes.size();
    return std::fclose(pOut) == 0 && bWritten;
}

ArchiveFuzzOp Step(CArchive& ar, ArchiveFuzzOp op)
{
    ar << static_cast<BYTE>(op);
    return op;
}

void WriteScalars(CArchive& ar)
{
    Step(ar, opCount), ar.WriteCount(5);
    Step(ar, opCount), ar.WriteCount(70000);
    Step(ar, opString), ar << CString("hello");
    Step(ar, opString), ar << CString(std::string(300, 'x').c_str());
    Step(ar, opByte), ar << static_cast<BYTE>(0xA5);
    Step(ar, opWord), ar << static_cast<WORD>(0xBEEF);
    Step(ar, opShort), ar << static_cast<short>(-2);
    Step(ar, opInt), ar << -123456;
    Step(ar, opLongLong), ar << static_cast<LONGLONG>(-1234567890123LL);
    Step(ar, opFloat), ar << 1.5f;
    Step(ar, opDouble), ar << 2.25;
    Step(ar, opBool), ar << true;
    Step(ar, opTextLine), ar.WriteString("a line\r\n");
}

void WriteWideString(CArchive& ar)
{
    // 0xFF, the wide marker, a length of 3, then "k\u00f6r" in UTF-16.
    const BYTE bytes[] = {0xFF, 0xFE, 0xFF, 0x03, 'k', 0, 0xF6, 0, 'r', 0};
    Step(ar, opString), ar.Write(bytes, sizeof bytes);
}

void WriteObjects(CArchive& ar)
{
    CFuzzNode root;
    CFuzzNode child;
    CFuzzVersioned versioned;
    root.m_nValue = 1;
    root.m_strText = "root";
    root.m_pLink = &root;
    child.m_nValue = 2;
    child.m_pLink = &versioned;
    versioned.m_dValue = 0.5;
    versioned.m_names.Add("first");
    versioned.m_names.Add("second");
    root.m_children.AddTail(&child);
    root.m_children.AddTail(&versioned);
    Step(ar, opNode), ar << &root;
    Step(ar, opAnyObject), ar << &child;
    Step(ar, opClass), ar.WriteClass(RUNTIME_CLASS(CFuzzNode));
    Step(ar, opAnyObject), ar << static_cast<CObject*>(nullptr);
}

void WriteUnknownClass(CArchive& ar)
{
    Step(ar, opAnyObject), ar << static_cast<WORD>(0xFFFF) << static_cast<WORD>(1) << static_cast<WORD>(8);
    ar.Write("CMissing", 8);
}

void WriteCollections(CArchive& ar)
{
    CFuzzNode node;
    node.m_strText = "shared";
    CObList list;
    list.AddTail(&node);
    list.AddTail(&node);
    Step(ar, opObList), list.Serialize(ar);
    CObArray array;
    array.Add(&node);
    array.Add(&list);
    Step(ar, opObArray), array.Serialize(ar);
    CStringList strings;
    strings.AddTail("one");
    strings.AddTail("two");
    Step(ar, opStringList), strings.Serialize(ar);
    CDWordArray words;
    words.Add(7);
    words.Add(0xFFFFFFFF);
    Step(ar, opDWordArray), words.Serialize(ar);
    CMapStringToString texts;
    texts.SetAt("key", "value");
    Step(ar, opMapStringToString), texts.Serialize(ar);
    CMapStringToOb named;
    named.SetAt("node", &node);
    Step(ar, opMapStringToOb), named.Serialize(ar);
    CMapWordToOb numbered;
    numbered.SetAt(3, &node);
    Step(ar, opMapWordToOb), numbered.Serialize(ar);
}

void WriteVariantsAndDates(CArchive& ar)
{
    Step(ar, opVariant), ar << COleVariant(static_cast<long>(42), VT_I4);
    Step(ar, opVariant), ar << COleVariant("text");
    Step(ar, opVariant), ar << COleVariant(3.5);
    Step(ar, opDateTime), ar << COleDateTime(2024, 2, 29, 13, 45, 10);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: framework_archive_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    try
    {
        const bool bWritten = WriteSeed(folder, "scalars", WriteScalars) &&
                              WriteSeed(folder, "wide_string", WriteWideString) &&
                              WriteSeed(folder, "objects", WriteObjects) &&
                              WriteSeed(folder, "unknown_class", WriteUnknownClass) &&
                              WriteSeed(folder, "collections", WriteCollections) &&
                              WriteSeed(folder, "variants_and_dates", WriteVariantsAndDates);
        if (!bWritten)
        {
            std::fprintf(stderr, "framework_archive_seeds: cannot write into %s\n", folder.c_str());
            return 1;
        }
    }
    catch (CException* e)
    {
        std::fprintf(stderr, "framework_archive_seeds: storing failed\n");
        e->Delete();
        return 1;
    }
    return 0;
}
