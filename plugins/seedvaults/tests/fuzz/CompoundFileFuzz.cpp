// A compound file: its tables, its directory tree and the streams in it.
#include "StorageFile.h"
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  StorageFile storage;
  if (!storage.open_bytes(std::vector<uint8_t>(data, data + size))) {
    return 0;
  }
  std::vector<uint8_t> stream;
  for (const char16_t* path : {u"Workbook", u"Book", u"/Workbook", u"storage/stream"}) {
    storage.read_stream(path, stream);
    storage.lookup_entry(path);
  }
  storage.change_directory(u"/");
  return 0;
}
