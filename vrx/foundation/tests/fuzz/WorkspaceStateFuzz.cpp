// The workspace's stored version and placement read back. Input: the
// "Major", "Minor", "MainWindowRect" and "Flags" values, then "ShowCmd".
// Accepted numbers must pack into a version that gives them back, and an
// accepted placement must be one the workspace writes.
#include "FuzzValues.h"

#include "foundation/CVrxPStoredWorkspace.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzValues input(data, size);
    const std::vector<uint8_t> major = input.Value();
    const std::vector<uint8_t> minor = input.Value();
    const std::vector<uint8_t> rect = input.Value();
    const std::vector<uint8_t> flags = input.Value();
    const std::vector<uint8_t> showCmd = input.Rest();

    int nMajor = -1;
    int nMinor = -1;
    CVrxPStoredWorkspace::ReadVersionNumber(major.data(), static_cast<UINT>(major.size()), CVrxPStoredWorkspace::maxMajor,
                                            nMajor);
    CVrxPStoredWorkspace::ReadVersionNumber(minor.data(), static_cast<UINT>(minor.size()), CVrxPStoredWorkspace::maxMinor,
                                            nMinor);
    const int nPacked = CVrxPStoredWorkspace::PackVersion(nMajor, nMinor);
    if (nMajor != -1 && nMinor != -1 &&
        (nPacked >> 16 != nMajor || ((nPacked >> 8) & 0xFF) * 10 + ((nPacked >> 4) & 0xF) !=
                                        (nMinor < 10 ? nMinor * 10 : nMinor)))
        std::abort();

    CVrxPStoredWorkspace::Placement placement{};
    if (CVrxPStoredWorkspace::ReadPlacement(rect.data(), static_cast<UINT>(rect.size()), flags.data(),
                                            static_cast<UINT>(flags.size()), showCmd.data(),
                                            static_cast<UINT>(showCmd.size()), placement) &&
        (placement.rect.right < placement.rect.left || placement.rect.bottom < placement.rect.top ||
         (placement.flags & ~CVrxPStoredWorkspace::placementFlags) != 0 ||
         (placement.showCmd != CVrxPStoredWorkspace::showNormal &&
          placement.showCmd != CVrxPStoredWorkspace::showMaximized)))
        std::abort();
    return 0;
}
