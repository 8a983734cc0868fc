// Writes the seeds of the docking's harness with the record's own writer:
// docking_seeds <corpus root> makes <corpus root>/bar_record_fuzz/<seed>.
// Each value follows its length byte, 0xFF standing for a missing value.
#include "docking/CVrxPStoredBarRecord.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace
{
using Record = CVrxPStoredBarRecord;
using Bytes = std::vector<BYTE>;
const BYTE missing = 0xFF;

void Write(const std::string& root, const char* seed, const Bytes& bytes)
{
    const std::string folder = root + "/bar_record_fuzz";
    mkdir(folder.c_str(), 0755);
    FILE* file = std::fopen((folder + "/" + seed).c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
    {
        std::perror(seed);
        std::exit(1);
    }
}

// The place's values as the bar writes them, those in leftOut missing, then
// "IsVisible" and the bar's docking archive.
Bytes Seed(const Record::Place& place, BOOL bVisible, std::initializer_list<Record::Value> leftOut = {})
{
    Bytes bytes;
    for (int i = 0; i < Record::valueCount; i++)
    {
        const auto value = static_cast<Record::Value>(i);
        if (std::find(leftOut.begin(), leftOut.end(), value) != leftOut.end())
        {
            bytes.push_back(missing);
            continue;
        }
        const Bytes valueBytes = Record::ValueBytes(value, 59400, place);
        bytes.push_back(static_cast<BYTE>(valueBytes.size()));
        bytes.insert(bytes.end(), valueBytes.begin(), valueBytes.end());
    }
    const Bytes visible = Record::VisibleBytes(bVisible);
    bytes.push_back(static_cast<BYTE>(visible.size()));
    bytes.insert(bytes.end(), visible.begin(), visible.end());
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        Record::StoreDockingState(ar, static_cast<DWORD>(place.alignment), bVisible);
    }
    const size_t nHead = bytes.size();
    bytes.resize(nHead + static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data() + nHead, static_cast<UINT>(file.GetLength()));
    return bytes;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: docking_seeds <corpus root>\n");
        return 2;
    }
    const std::string root = argv[1];
    Write(root, "docked-top",
          Seed(Record::Place{{10, 20, 310, 220}, {0, 0, 120, 26}, Record::alignTop, 1, 0, Record::noMruWidth, 0},
               TRUE));
    Write(root, "floating-pinned",
          Seed(Record::Place{{-400, -30, -100, 270}, {0, 0, 26, 300}, Record::alignLeft, 0, 1, 180, 1}, FALSE));
    Write(root, "last-row-bottom",
          Seed(Record::Place{{0, 0, 0, 0}, {4, 2, 404, 28}, Record::alignBottom, Record::maxRowIndex, 0, 0, 0},
               TRUE));
    Write(root, "partly-missing",
          Seed(Record::Place{{5, 5, 205, 105}, {0, 0, 26, 200}, Record::alignRight, 3, 0, 90, 0}, TRUE,
               {Record::rectRecentFloat, Record::mruWidth, Record::pinState}));
    return 0;
}
