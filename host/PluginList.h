#pragma once
#include "PluginRecord.h"
#include <cstddef>
#include <vector>

constexpr char kPluginPattern[] = "*.dll";

// The plug-in libraries found in the working directory, in scan order,
// followed by a terminator record. Lookups that find nothing return the
// sentinel; the terminator and the sentinel are not valid.
class PluginList {
public:
  // korvo's one list: created on first use, never deleted.
  static PluginList& instance();

  PluginList();

  // Loads every "*.dll" of the working directory and keeps those that export
  // the four entry points; frees the others. False when none was kept.
  bool load();
  // The record at the index, or the sentinel past the end.
  PluginRecord& item(std::size_t index);
  // The first valid record whose title is exactly this one, or the sentinel.
  PluginRecord& find_by_title(const char* title);
  // A child frame being destroyed: every record that holds it lets it go,
  // so that no later hot key reaches the freed frame.
  void forget_child(const CWnd* child);
  // Frees the library of every valid record; the records stay.
  void free_all();

  std::size_t size() const { return records_.size(); }

private:
  PluginList(const PluginList&) = delete;
  PluginList& operator=(const PluginList&) = delete;

  static PluginRecord empty_record();

  std::vector<PluginRecord> records_;
  static PluginRecord sentinel_;
};
