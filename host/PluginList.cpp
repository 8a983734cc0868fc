#include "PluginList.h"
#include "files/CFileFind.h"
#include <cstring>
#include <string>

PluginRecord PluginList::sentinel_ = PluginList::empty_record();

namespace {

template <typename Function>
Function entry_point(HMODULE module, const char* name)
{
  // Through a generic function pointer, which converts to any other.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

PluginList& PluginList::instance()
{
  static PluginList* list = new PluginList();
  return *list;
}

PluginList::PluginList()
{
  sentinel_.valid = 0;
}

PluginRecord PluginList::empty_record()
{
  return PluginRecord{std::string(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0};
}

bool PluginList::load()
{
  bool accepted = false;
  CFileFind finder;
  BOOL more = finder.FindFile(kPluginPattern);
  while (more) {
    more = finder.FindNextFile();
    if (finder.IsDirectory()) {
      continue;
    }
    // By its full path: a bare name would let the platform's search order
    // pick a library of the same name from elsewhere.
    HMODULE module = LoadLibraryA(finder.GetFilePath());
    if (module == nullptr) {
      continue;
    }
    auto init = entry_point<DllInitFunction>(module, kDllInitName);
    auto deinit = entry_point<DllDeinitFunction>(module, kDllDeinitName);
    auto get_title = entry_point<DllGetTitleFunction>(module, kDllGetTitleName);
    auto is_gui = entry_point<DllIsGuiFunction>(module, kDllIsGuiName);
    if (init == nullptr || deinit == nullptr || get_title == nullptr || is_gui == nullptr) {
      FreeLibrary(module);
      continue;
    }
    records_.push_back(
        PluginRecord{finder.GetFileName().GetString(), module, init, deinit, get_title, is_gui, nullptr, 0, 1});
    accepted = true;
  }
  if (accepted) {
    records_.push_back(empty_record());
  }
  return accepted;
}

PluginRecord& PluginList::item(std::size_t index)
{
  if (index < records_.size()) {
    return records_[index];
  }
  return sentinel_;
}

PluginRecord& PluginList::find_by_title(const char* title)
{
  if (title != nullptr) {
    for (PluginRecord& record : records_) {
      if (record.valid != 1) {
        continue;
      }
      const char* own_title = record.dll_get_title();
      if (own_title != nullptr && std::strcmp(own_title, title) == 0) {
        return record;
      }
    }
  }
  return sentinel_;
}

void PluginList::forget_child(const CWnd* child)
{
  for (PluginRecord& record : records_) {
    if (record.child == child) {
      record.child = nullptr;
    }
  }
}

void PluginList::free_all()
{
  for (PluginRecord& record : records_) {
    if (record.valid == 1) {
      FreeLibrary(record.module);
    }
  }
}
