#pragma once

#include "files/CArchive.h"

#include <functional>
#include <string>
#include <vector>

using ByteVector = std::vector<BYTE>;

// Builds the bytes a test expects, in little-endian order.
class ByteWriter
{
public:
    ByteWriter& u8(BYTE value);
    ByteWriter& u16(WORD value);
    ByteWriter& u32(DWORD value);
    ByteWriter& i32(int value) { return u32(static_cast<DWORD>(value)); }
    ByteWriter& chars(const std::string& text);
    // A class record after the new-class tag: schema, name length, name.
    ByteWriter& newClass(WORD schema, const std::string& name);

    const ByteVector& bytes() const { return m_bytes; }

private:
    ByteVector m_bytes;
};

// Runs the writer on a storing archive over a memory file; returns the file's bytes.
ByteVector StoreBytes(const std::function<void(CArchive&)>& writer, int nBufSize = CArchive::defaultBufferSize);
// Runs the reader on a loading archive over a copy of the bytes.
void LoadBytes(const ByteVector& bytes, const std::function<void(CArchive&)>& reader,
    int nBufSize = CArchive::defaultBufferSize);
// The archive exception's cause the call raised; -1 when it raised none.
// Any other exception fails the test.
int ArchiveFailure(const std::function<void()>& call);
