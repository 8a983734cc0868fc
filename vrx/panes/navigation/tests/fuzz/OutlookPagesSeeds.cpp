// Writes the seeds of the outlook custom pages harness with the bar's own
// writer: outlook_pages_seeds <corpus root> makes
// <corpus root>/outlook_pages_fuzz/<seed>.
#include "panes/navigation/CVrxPOutlookCustomPages.h"
#include "foundation/tests/fuzz/SeedFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
void Write(const std::string& root, const char* seed, const CVrxPOutlookCustomPages& pages)
{
    std::vector<BYTE> bytes;
    if (!pages.Write(bytes))
        std::exit(1);
    WriteSeedFile(root, "outlook_pages_fuzz", seed, bytes);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: outlook_pages_seeds <corpus root>\n");
        return 2;
    }
    const std::string root = argv[1];
    Write(root, "no-pages", CVrxPOutlookCustomPages({}, -1));
    Write(root, "two-pages", CVrxPOutlookCustomPages({{5, "Mail"}, {6, "Calendar"}}, 2));
    Write(root, "long-caption", CVrxPOutlookCustomPages({{0xE900, std::string(300, 'C').c_str()}}, 0));
    return 0;
}
