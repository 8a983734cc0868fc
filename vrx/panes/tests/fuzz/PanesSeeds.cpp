// Writes the seeds of the saved-tabs harness with the writer the tab window
// stores its tabs with: panes_seeds <corpus root> makes
// <corpus root>/saved_tabs_fuzz/<seed>, each seed a whole stored value.
#include "foundation/CVrxPArchivedValue.h"
#include "panes/CVrxPStoredTabs.h"
#include "foundation/tests/fuzz/SeedFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
void Write(const std::string& root, const char* seed, const CVrxPStoredTabs& tabs)
{
    std::vector<BYTE> bytes;
    if (!CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [&tabs](CArchive& ar) { tabs.Store(ar); }))
        std::exit(1);
    WriteSeedFile(root, "saved_tabs_fuzz", seed, bytes);
}

CVrxPSavedTab Tab(const char* pszLabel, int nControlId)
{
    CVrxPSavedTab tab;
    tab.label = pszLabel;
    tab.controlId = nControlId;
    return tab;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: panes_seeds <corpus root>\n");
        return 2;
    }
    const std::string root = argv[1];
    Write(root, "no-tabs", CVrxPStoredTabs({}, -1, 1));

    CVrxPSavedTab output = Tab("Output", 0xE801);
    output.backgroundColor = 0x00FFEEDD;
    output.textColor = 0x00102030;
    Write(root, "two-tabs-second-active", CVrxPStoredTabs({output, Tab("Find", 0xE802)}, 1, 0));

    // A hidden detachable tab, one whose window was gone, and a label too
    // long for the one-byte length.
    CVrxPSavedTab hidden = Tab("Watch", 0xE803);
    hidden.visible = FALSE;
    hidden.detachable = TRUE;
    Write(root, "hidden-gone-and-long",
          CVrxPStoredTabs({hidden, Tab("Closed", 0), Tab(std::string(300, 'L').c_str(), 0xE804)}, 2, 1));
    return 0;
}
