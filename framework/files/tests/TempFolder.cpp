#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

void RemoveTree(const CString& path)
{
    WIN32_FIND_DATAA data;
    const HANDLE hFind = FindFirstFileA(path + "\\*", &data);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const CString name(data.cFileName);
            if (name == "." || name == "..")
                continue;
            const CString child = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
            {
                SetFileAttributesA(child, FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child);
            }
        } while (FindNextFileA(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryA(path);
}

} // namespace

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (unsigned n = GetTickCount() ^ GetCurrentProcessId();; ++n)
    {
        m_strPath.Format("%sfiles-test-%08x", base, n);
        if (CreateDirectoryA(m_strPath, NULL))
            return;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
        {
            ADD_FAILURE() << "cannot create a folder in " << base;
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    RemoveTree(m_strPath);
}

CString TempFolder::operator/(LPCTSTR lpszName) const
{
    return m_strPath + "\\" + lpszName;
}

void TempFolder::WriteBytes(LPCTSTR lpszName, const CString& text) const
{
    std::ofstream file(static_cast<LPCTSTR>(*this / lpszName), std::ios::binary);
    file.write(text, text.GetLength());
}

CString TempFolder::ReadBytes(LPCTSTR lpszName) const
{
    std::ifstream file(static_cast<LPCTSTR>(*this / lpszName), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return CString(bytes.data(), static_cast<int>(bytes.size()));
}
