#pragma once

#include <cstdio>
#include <string>

// Streams a file into the gzip format and back, with zlib.
class GzipCodec {
public:
    // Both return false with a reason in `error` when reading, writing or
    // the data fail; `out` may then hold part of the result.
    static bool compress(std::FILE* in, std::FILE* out, std::string& error);
    // Takes one or more concatenated members; anything else in the input,
    // or an input that ends inside a member, is an error.
    static bool decompress(std::FILE* in, std::FILE* out, std::string& error);
};
