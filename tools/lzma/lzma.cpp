// lzma.exe: compresses ("e") or decompresses ("d") one file into another in the
// classic .lzma form: 5 property bytes, the uncompressed size as a
// little-endian u64 (all ones when unknown, the stream then ends with an end
// mark), then the compressed stream. Exit code 0 on success, 1 on failure; a
// failed run leaves no output file behind.
#include "LzmaDec.h"
#include "LzmaEnc.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const int kHeaderSize = LZMA_PROPS_SIZE + 8;
const uint64_t kUnknownSize = ~uint64_t(0);
const std::size_t kBufferSize = 1 << 16;

void* allocate(void*, size_t size) { return std::malloc(size); }
void release(void*, void* address) { std::free(address); }
ISzAlloc g_alloc = { allocate, release };

struct FileIn {
  ISeqInStream stream;
  std::FILE* file;
};

struct FileOut {
  ISeqOutStream stream;
  std::FILE* file;
};

SRes read_file(void* p, void* buffer, size_t* size)
{
  FileIn* in = static_cast<FileIn*>(p);
  *size = std::fread(buffer, 1, *size, in->file);
  return std::ferror(in->file) ? SZ_ERROR_READ : SZ_OK;
}

size_t write_file(void* p, const void* buffer, size_t size)
{
  return std::fwrite(buffer, 1, size, static_cast<FileOut*>(p)->file);
}

bool file_size(std::FILE* file, uint64_t& size)
{
  if (_fseeki64(file, 0, SEEK_END) != 0)
    return false;
  long long end = _ftelli64(file);
  if (end < 0 || _fseeki64(file, 0, SEEK_SET) != 0)
    return false;
  size = static_cast<uint64_t>(end);
  return true;
}

bool encode(std::FILE* source, std::FILE* target)
{
  uint64_t size = 0;
  if (!file_size(source, size))
    return false;

  CLzmaEncHandle encoder = LzmaEnc_Create(&g_alloc);
  if (!encoder)
    return false;
  CLzmaEncProps props;
  LzmaEncProps_Init(&props);
  props.numThreads = 1;
  // Small inputs get a small dictionary, so decoding needs little memory.
  props.reduceSize = size > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<UInt32>(size);

  Byte header[kHeaderSize];
  SizeT props_size = LZMA_PROPS_SIZE;
  bool ok = LzmaEnc_SetProps(encoder, &props) == SZ_OK
         && LzmaEnc_WriteProperties(encoder, header, &props_size) == SZ_OK;
  if (ok) {
    for (int i = 0; i < 8; ++i)
      header[LZMA_PROPS_SIZE + i] = static_cast<Byte>(size >> (8 * i));
    ok = std::fwrite(header, 1, kHeaderSize, target) == static_cast<size_t>(kHeaderSize);
  }
  if (ok) {
    FileIn in = { { read_file }, source };
    FileOut out = { { write_file }, target };
    ok = LzmaEnc_Encode(encoder, &out.stream, &in.stream, nullptr, &g_alloc, &g_alloc) == SZ_OK;
  }
  LzmaEnc_Destroy(encoder, &g_alloc, &g_alloc);
  return ok;
}

bool decode_stream(CLzmaDec& decoder, std::FILE* source, std::FILE* target, uint64_t size)
{
  const bool size_known = size != kUnknownSize;
  uint64_t remaining = size;
  std::vector<Byte> in_buffer(kBufferSize), out_buffer(kBufferSize);
  SizeT in_pos = 0, in_size = 0;

  for (;;) {
    if (in_pos == in_size) {
      in_size = std::fread(in_buffer.data(), 1, kBufferSize, source);
      if (std::ferror(source))
        return false;
      in_pos = 0;
    }
    SizeT in_processed = in_size - in_pos;
    SizeT out_processed = kBufferSize;
    ELzmaFinishMode finish = LZMA_FINISH_ANY;
    if (size_known && out_processed > remaining) {
      out_processed = static_cast<SizeT>(remaining);
      finish = LZMA_FINISH_END;
    }
    ELzmaStatus status;
    SRes result = LzmaDec_DecodeToBuf(&decoder, out_buffer.data(), &out_processed,
                                      in_buffer.data() + in_pos, &in_processed, finish, &status);
    in_pos += in_processed;
    if (size_known)
      remaining -= out_processed;
    if (out_processed > 0 && std::fwrite(out_buffer.data(), 1, out_processed, target) != out_processed)
      return false;
    if (result != SZ_OK)
      return false;
    if (size_known && remaining == 0)
      return true;
    if (status == LZMA_STATUS_FINISHED_WITH_MARK)
      return !size_known;
    if (in_processed == 0 && out_processed == 0)
      return false;  // the input ended inside the stream
  }
}

bool decode(std::FILE* source, std::FILE* target)
{
  Byte header[kHeaderSize];
  if (std::fread(header, 1, kHeaderSize, source) != static_cast<size_t>(kHeaderSize))
    return false;
  uint64_t size = 0;
  for (int i = 0; i < 8; ++i)
    size |= uint64_t(header[LZMA_PROPS_SIZE + i]) << (8 * i);

  CLzmaDec decoder;
  LzmaDec_Construct(&decoder);
  if (LzmaDec_Allocate(&decoder, header, LZMA_PROPS_SIZE, &g_alloc) != SZ_OK)
    return false;
  LzmaDec_Init(&decoder);
  bool ok = decode_stream(decoder, source, target, size);
  LzmaDec_Free(&decoder, &g_alloc);
  return ok;
}

int usage()
{
  std::fputs("usage: lzma e|d <input> <output>\n", stderr);
  return 1;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc != 4 || std::strlen(argv[1]) != 1 || (argv[1][0] != 'e' && argv[1][0] != 'd'))
    return usage();
  const bool compress = argv[1][0] == 'e';
  const char* input = argv[2];
  const char* output = argv[3];

  std::FILE* source = std::fopen(input, "rb");
  if (!source) {
    std::fprintf(stderr, "lzma: cannot open %s\n", input);
    return 1;
  }
  std::FILE* target = std::fopen(output, "wb");
  if (!target) {
    std::fclose(source);
    std::fprintf(stderr, "lzma: cannot create %s\n", output);
    return 1;
  }
  bool ok = compress ? encode(source, target) : decode(source, target);
  std::fclose(source);
  ok = std::fclose(target) == 0 && ok;
  if (!ok) {
    std::remove(output);
    std::fprintf(stderr, "lzma: %s failed\n", compress ? "compression" : "decompression");
    return 1;
  }
  return 0;
}
