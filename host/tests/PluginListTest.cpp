#include "Component.h"
#include "ComponentSystem.h"
#include "FileBytes.h"
#include "HostSystem.h"
#include "MessageBoxAnswerer.h"
#include "PluginList.h"
#include "PluginOpener.h"
#include "TemporaryDirectory.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace {

std::string test_plugin_directory()
{
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path, length);
  return directory.substr(0, directory.rfind('\\') + 1) + "test-plugins\\";
}

template <typename Function>
Function test_export(HMODULE module, const char* name)
{
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Stands in for the main frame: hands out distinct frame pointers and
// remembers the titles it was given.
class FakeFrames : public PluginFrameFactory {
public:
  CWnd* create_plugin_frame(const char* title) override
  {
    titles.push_back(title);
    if (refuse) {
      return nullptr;
    }
    return reinterpret_cast<CWnd*>(&frames[titles.size() - 1]);
  }

  std::vector<std::string> titles;
  bool refuse = false;

private:
  char frames[16] = {};
};

// A working directory holding copies of the test plug-in under the names the
// test gives, a list scanned from it and an opener over it. Every component
// the plug-ins put on korvo's bus is deleted before their libraries are freed.
class PluginListTest : public ::testing::Test {
protected:
  ~PluginListTest() override
  {
    HostSystem::instance()->deinit();
    list.free_all();
  }

  void add_plugin(const std::string& name, bool complete = true)
  {
    std::string source = test_plugin_directory() + (complete ? "test_plugin.dll" : "test_plugin_without_deinit.dll");
    ASSERT_TRUE(CopyFileA(source.c_str(), (directory.path() + name).c_str(), FALSE)) << source;
  }

  // Copies of the complete plug-in under the names, scanned.
  void load(std::initializer_list<const char*> names)
  {
    for (const char* name : names) {
      ASSERT_NO_FATAL_FAILURE(add_plugin(name));
    }
    ASSERT_TRUE(list.load());
  }

  PluginRecord& record_of(const std::string& file_name)
  {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list.item(i).file_name == file_name) {
        return list.item(i);
      }
    }
    ADD_FAILURE() << file_name << " is not in the list";
    return list.item(list.size());
  }

  template <typename Function>
  Function plugin_export(const std::string& file_name, const char* name)
  {
    return test_export<Function>(record_of(file_name).module, name);
  }

  void configure(const std::string& file_name, const char* title, int32_t gui, int32_t init_result)
  {
    auto configure = plugin_export<void (*)(const char*, int32_t, int32_t)>(file_name, "test_plugin_configure");
    ASSERT_NE(nullptr, configure);
    configure(title, gui, init_result);
  }

  int32_t init_calls(const std::string& file_name)
  {
    return plugin_export<int32_t (*)()>(file_name, "test_plugin_init_calls")();
  }

  int32_t probes_alive(const std::string& file_name)
  {
    return plugin_export<int32_t (*)()>(file_name, "test_plugin_probes_alive")();
  }

  bool is_loaded(const std::string& file_name) { return GetModuleHandleA((directory.path() + file_name).c_str()) != nullptr; }

  TemporaryDirectory directory;
  PluginList list;
  FakeFrames frames;
  PluginOpener opener{list, frames};
};

TEST_F(PluginListTest, KeepsLibrariesWithAllFourEntryPoints)
{
  add_plugin("partial.dll", false);
  write_file_bytes(directory.path() + "notes.dll", "not a library");
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll", "plugin_b.dll"}));

  ASSERT_EQ(3u, list.size());
  std::map<std::string, int> names;
  for (std::size_t i = 0; i < 2; ++i) {
    const PluginRecord& record = list.item(i);
    names[record.file_name]++;
    EXPECT_EQ(1, record.valid);
    EXPECT_EQ(0, record.loaded);
    EXPECT_EQ(nullptr, record.child);
    EXPECT_EQ(GetModuleHandleA((directory.path() + record.file_name).c_str()), record.module);
  }
  EXPECT_EQ((std::map<std::string, int>{{"plugin_a.dll", 1}, {"plugin_b.dll", 1}}), names);
  EXPECT_FALSE(is_loaded("partial.dll"));
  EXPECT_FALSE(is_loaded("notes.dll"));

  // The list keeps the order in which the directory is listed.
  std::vector<std::string> listed;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory.path() + "plugin_*.dll").c_str(), &found);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  do {
    listed.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_EQ(listed, (std::vector<std::string>{list.item(0).file_name, list.item(1).file_name}));

  const PluginRecord& terminator = list.item(2);
  EXPECT_EQ(0, terminator.valid);
  EXPECT_EQ("", terminator.file_name);
  EXPECT_EQ(nullptr, terminator.module);
  EXPECT_EQ(nullptr, terminator.dll_init);

  list.free_all();
  EXPECT_FALSE(is_loaded("plugin_a.dll"));
  EXPECT_FALSE(is_loaded("plugin_b.dll"));
}

TEST_F(PluginListTest, DirectoryWithoutPlugInsYieldsAnEmptyList)
{
  add_plugin("partial.dll", false);
  EXPECT_FALSE(list.load());
  EXPECT_EQ(0u, list.size());
  EXPECT_EQ(0, list.item(0).valid);
  EXPECT_FALSE(is_loaded("partial.dll"));
}

TEST_F(PluginListTest, IndexesPastTheTerminatorYieldTheSentinel)
{
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll"}));
  PluginRecord& terminator = list.item(1);
  for (std::size_t index : {std::size_t(2), std::size_t(3), std::size_t(1000)}) {
    PluginRecord& past = list.item(index);
    EXPECT_NE(&terminator, &past);
    EXPECT_EQ(&list.item(2), &past);
    EXPECT_EQ(0, past.valid);
    EXPECT_EQ(nullptr, past.module);
  }
}

TEST_F(PluginListTest, FindsTheFirstValidRecordByExactTitle)
{
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll", "plugin_b.dll"}));
  configure("plugin_a.dll", "ZIM", 1, 1);
  configure("plugin_b.dll", "ZIM", 1, 1);
  EXPECT_EQ(&list.item(0), &list.find_by_title("ZIM"));
  configure(list.item(0).file_name, "TAILOR", 1, 1);
  EXPECT_EQ(&list.item(1), &list.find_by_title("ZIM"));
  EXPECT_EQ(&list.item(0), &list.find_by_title("TAILOR"));

  PluginRecord& missing = list.find_by_title("zim");
  EXPECT_EQ(0, missing.valid);
  EXPECT_EQ(&list.item(list.size()), &missing);
  EXPECT_EQ(0, list.find_by_title("ZIM ").valid);
  EXPECT_EQ(0, list.find_by_title("").valid);
}

TEST_F(PluginListTest, OpensGuiPlugInsInListOrder)
{
  MessageBoxAnswerer messages;
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll", "plugin_b.dll"}));
  const std::string first = list.item(0).file_name;
  const std::string second = list.item(1).file_name;
  configure(first, "Seedvaults", 0, 1);
  configure(second, "COM connection", 1, 1);

  ASSERT_TRUE(opener.open_all());

  EXPECT_EQ(std::vector<std::string>{"COM connection"}, frames.titles);
  EXPECT_EQ(1, list.item(0).loaded);
  EXPECT_EQ(nullptr, list.item(0).child);
  EXPECT_EQ(0, init_calls(first));
  EXPECT_EQ(1, list.item(1).loaded);
  ASSERT_NE(nullptr, list.item(1).child);
  EXPECT_EQ(1, init_calls(second));
  EXPECT_EQ(list.item(1).child, plugin_export<CWnd* (*)()>(second, "test_plugin_init_child")());
  EXPECT_EQ(HostSystem::instance(), plugin_export<HostSystem* (*)()>(second, "test_plugin_init_system")());
  EXPECT_EQ(list.item(1).child, opener.connection_window());
  EXPECT_TRUE(messages.texts().empty());

  // korvo's exit: the components go first, then every library, the one
  // without a window too.
  HostSystem::instance()->deinit();
  list.free_all();
  EXPECT_FALSE(is_loaded(first));
  EXPECT_FALSE(is_loaded(second));
}

TEST_F(PluginListTest, OnlyTheExactConnectionTitleIsRemembered)
{
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll"}));
  configure("plugin_a.dll", "COM connection 2", 1, 1);
  ASSERT_TRUE(opener.open_all());
  EXPECT_EQ(nullptr, opener.connection_window());
}

TEST_F(PluginListTest, FailedInitStopsTheOpening)
{
  MessageBoxAnswerer messages;
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll", "plugin_b.dll"}));
  const std::string first = list.item(0).file_name;
  const std::string second = list.item(1).file_name;
  configure(first, "first", 1, 0);
  configure(second, "second", 1, 1);

  EXPECT_FALSE(opener.open_all());
  EXPECT_EQ(std::vector<std::string>{"failed to load " + first}, messages.texts());
  EXPECT_EQ(0, list.item(0).loaded);
  EXPECT_EQ(0, init_calls(second));
  EXPECT_EQ(std::vector<std::string>{"first"}, frames.titles);
}

TEST_F(PluginListTest, FrameThatCannotBeCreatedStopsTheOpening)
{
  MessageBoxAnswerer messages;
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll"}));
  frames.refuse = true;
  EXPECT_FALSE(opener.open_all());
  EXPECT_EQ(std::vector<std::string>{"failed to load plugin_a.dll"}, messages.texts());
  EXPECT_EQ(0, init_calls("plugin_a.dll"));
}

TEST_F(PluginListTest, PlugInComponentsLiveOnKorvosBus)
{
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll"}));
  configure("plugin_a.dll", "ZIM", 1, 1);
  ASSERT_TRUE(opener.open_all());

  // The plug-in's own copy of the bus registered its component in korvo's map.
  Component* probe = HostSystem::instance()->acquire("probe:ZIM");
  ASSERT_EQ("test probe", probe->type_name());
  char text[] = "hello";
  BusMessage message{BUS_TEXT, 5, text};
  HostSystem::instance()->broadcast(nullptr, &message);
  EXPECT_STREQ("hello", plugin_export<const char* (*)()>("plugin_a.dll", "test_plugin_probe_text")());

  // korvo's exit deletes the plug-in's component while its library is loaded.
  EXPECT_EQ(1, probes_alive("plugin_a.dll"));
  HostSystem::instance()->deinit();
  EXPECT_EQ(0, probes_alive("plugin_a.dll"));
}

TEST_F(PluginListTest, RefusedPlugInComponentIsDeletedWithTheOthers)
{
  ASSERT_NO_FATAL_FAILURE(load({"plugin_a.dll", "plugin_b.dll"}));
  configure("plugin_a.dll", "ZIM", 1, 1);
  configure("plugin_b.dll", "ZIM", 1, 1);
  ASSERT_TRUE(opener.open_all());

  // Both libraries made a "probe:ZIM"; korvo's map holds the first only.
  EXPECT_EQ(1, probes_alive("plugin_a.dll"));
  EXPECT_EQ(1, probes_alive("plugin_b.dll"));
  HostSystem::instance()->deinit();
  EXPECT_EQ(0, probes_alive("plugin_a.dll"));
  EXPECT_EQ(0, probes_alive("plugin_b.dll"));
}

}  // namespace
