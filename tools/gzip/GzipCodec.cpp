#include "GzipCodec.h"

#include <vector>
#include <zlib.h>

namespace {

const size_t CHUNK_SIZE = 64 * 1024;
// 15 window bits, plus 16 for a gzip wrapper instead of a zlib one.
const int GZIP_WINDOW_BITS = 15 + 16;
const int MEMORY_LEVEL = 8;

bool write_all(std::FILE* out, const unsigned char* data, size_t count, std::string& error)
{
    if (count != 0 && std::fwrite(data, 1, count, out) != count) {
        error = "write error";
        return false;
    }
    return true;
}

std::string zlib_reason(const z_stream& stream, const char* fallback)
{
    return stream.msg != nullptr ? stream.msg : fallback;
}

} // namespace

bool GzipCodec::compress(std::FILE* in, std::FILE* out, std::string& error)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, GZIP_WINDOW_BITS, MEMORY_LEVEL,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        error = "out of memory";
        return false;
    }
    std::vector<unsigned char> input(CHUNK_SIZE), output(CHUNK_SIZE);
    bool ok = true;
    int flush = Z_NO_FLUSH;
    while (ok && flush != Z_FINISH) {
        stream.avail_in = static_cast<uInt>(std::fread(input.data(), 1, input.size(), in));
        stream.next_in = input.data();
        if (std::ferror(in)) {
            error = "read error";
            ok = false;
            break;
        }
        flush = std::feof(in) ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = output.data();
            stream.avail_out = static_cast<uInt>(output.size());
            if (deflate(&stream, flush) == Z_STREAM_ERROR) {
                error = zlib_reason(stream, "compression failed");
                ok = false;
                break;
            }
            ok = write_all(out, output.data(), output.size() - stream.avail_out, error);
        } while (ok && stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return ok;
}

bool GzipCodec::decompress(std::FILE* in, std::FILE* out, std::string& error)
{
    z_stream stream{};
    if (inflateInit2(&stream, GZIP_WINDOW_BITS) != Z_OK) {
        error = "out of memory";
        return false;
    }
    std::vector<unsigned char> input(CHUNK_SIZE), output(CHUNK_SIZE);
    bool ok = true;
    bool member_ended = false;
    while (ok) {
        if (stream.avail_in == 0) {
            stream.avail_in = static_cast<uInt>(std::fread(input.data(), 1, input.size(), in));
            stream.next_in = input.data();
            if (std::ferror(in)) {
                error = "read error";
                ok = false;
                break;
            }
            if (stream.avail_in == 0)
                break;
        }
        // More input after a member's end must be another member.
        if (member_ended) {
            inflateReset(&stream);
            member_ended = false;
        }
        stream.next_out = output.data();
        stream.avail_out = static_cast<uInt>(output.size());
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END) {
            member_ended = true;
        } else if (result != Z_OK) {
            error = result == Z_MEM_ERROR ? "out of memory" : zlib_reason(stream, "not in gzip format");
            ok = false;
            break;
        }
        ok = write_all(out, output.data(), output.size() - stream.avail_out, error);
    }
    if (ok && !member_ended) {
        error = "unexpected end of file";
        ok = false;
    }
    inflateEnd(&stream);
    return ok;
}
