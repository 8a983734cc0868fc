#include "ArchiveBytes.h"

#include "core/CException.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

ByteWriter& ByteWriter::u8(BYTE value)
{
    m_bytes.push_back(value);
    return *this;
}

ByteWriter& ByteWriter::u16(WORD value)
{
    return u8(static_cast<BYTE>(value)).u8(static_cast<BYTE>(value >> 8));
}

ByteWriter& ByteWriter::u32(DWORD value)
{
    return u16(static_cast<WORD>(value)).u16(static_cast<WORD>(value >> 16));
}

ByteWriter& ByteWriter::chars(const std::string& text)
{
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
}

ByteWriter& ByteWriter::newClass(WORD schema, const std::string& name)
{
    return u16(0xFFFF).u16(schema).u16(static_cast<WORD>(name.size())).chars(name);
}

ByteVector StoreBytes(const std::function<void(CArchive&)>& writer, int nBufSize)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, nBufSize);
    writer(ar);
    ar.Close();
    const UINT nLength = static_cast<UINT>(file.GetLength());
    BYTE* lpData = file.Detach();
    ByteVector bytes(lpData, lpData + nLength);
    std::free(lpData);
    return bytes;
}

void LoadBytes(const ByteVector& bytes, const std::function<void(CArchive&)>& reader, int nBufSize)
{
    ByteVector copy(bytes);
    CMemFile file(copy.empty() ? NULL : copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load, nBufSize);
    reader(ar);
    ar.Close();
}

int ArchiveFailure(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (CArchiveException* e)
    {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    catch (CException* e)
    {
        ADD_FAILURE() << "unexpected " << e->GetRuntimeClass()->m_lpszClassName;
        e->Delete();
    }
    return -1;
}
