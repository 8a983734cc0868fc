#pragma once

#include "core/Platform.h"

// What CFile::GetStatus reports about a file.
struct CFileStatus
{
    FILETIME m_ctime;
    FILETIME m_mtime;
    FILETIME m_atime;
    ULONGLONG m_size;
    // CFile::Attribute bits.
    BYTE m_attribute;
    TCHAR m_szFullName[MAX_PATH];
};
