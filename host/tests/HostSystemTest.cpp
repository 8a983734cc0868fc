#include "FileBytes.h"
#include "HostSystem.h"
#include "Logger.h"
#include "NullComponent.h"
#include "SymbolManager.h"
#include "TemporaryDirectory.h"
#include <gtest/gtest.h>

namespace {

TEST(HostSystem, InitCreatesEveryBuiltInComponentInOrder)
{
  TemporaryDirectory directory;
  write_file_bytes("firmware.map", std::string(16, ' ') + "0x80001000" + std::string(16, ' ') + "main\n");
  HostSystem* system = HostSystem::instance();
  EXPECT_EQ(system, HostSystem::instance());
  ASSERT_TRUE(system->init());
  EXPECT_EQ("memory_counterpart", system->acquire("memcopy")->type_name());
  auto* symbols = static_cast<SymbolManager*>(system->acquire("symbole manager"));
  EXPECT_EQ(0x80001000u, symbols->symbols().at("main"));
  system->deinit();
  EXPECT_EQ(&NullComponent::instance(), system->acquire("memcopy"));
  EXPECT_EQ("sys initializing\r\n"
            "component <korvo sys log> registered\r\n"
            "component <error manager> registered\r\n"
            "component <transport protocol> registered\r\n"
            "component <memcopy> registered\r\n"
            "component <symbole manager> registered\r\n"
            "sys deiniting:\r\n",
            read_file_bytes(kSystemLogFile));
}

}  // namespace
