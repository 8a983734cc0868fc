#pragma once

// A toolbar resource (type 241): 16-bit little-endian words, the version,
// the image width and height, the item count, then that many command ids,
// 0 standing for a separator. No window is touched here, so the reader also
// builds natively.

#include <cstddef>
#include <cstdint>
#include <vector>

class CVrxPToolbarResource
{
public:
    static constexpr unsigned resourceType = 241;

    // False, with nothing kept, for data shorter than its header or its
    // item count says.
    bool Parse(const unsigned char* pData, size_t nBytes);

    int version = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<unsigned> commands;
};
