#include "ComponentSystem.h"
#include "ComponentNames.h"
#include "ErrorManager.h"
#include "FileBytes.h"
#include "Logger.h"
#include "NullComponent.h"
#include "RecordingComponent.h"
#include "TemporaryDirectory.h"
#include "TransportProtocol.h"
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

// Components deleted by deinit must come from new; the fixture deinitialises
// every system it made.
class ComponentSystemTest : public ::testing::Test {
protected:
  ~ComponentSystemTest() override { system.deinit(); }

  RecordingComponent* add(const std::string& name, bool shareable = true)
  {
    return new RecordingComponent(name, &system, shareable);
  }

  ComponentSystem system;
};

TEST_F(ComponentSystemTest, SharedComponentIsHandedToEveryAcquirer)
{
  RecordingComponent* output = add("output");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(output, system.acquire("output"));
  }
  EXPECT_EQ(3, output->use_count());
}

TEST_F(ComponentSystemTest, NonShareableComponentGoesToItsFirstAcquirerOnly)
{
  RecordingComponent* transport = add("transport protocol", false);
  transport->answers[BUS_QUERY_OPEN] = 1;
  Component* first = system.acquire("transport protocol");
  Component* second = system.acquire("transport protocol");
  EXPECT_EQ(transport, first);
  EXPECT_EQ(&NullComponent::instance(), second);
  BusMessage query{BUS_QUERY_OPEN, 0, nullptr};
  EXPECT_EQ(1, first->request(&query));
  EXPECT_EQ(0, second->request(&query));
  EXPECT_EQ(1, transport->use_count());
}

TEST_F(ComponentSystemTest, MissingComponentYieldsTheNullComponent)
{
  Component* missing = system.acquire("com connector");
  EXPECT_EQ(&NullComponent::instance(), missing);
  EXPECT_EQ("null", missing->type_name());
  EXPECT_EQ("null component", missing->name());
  EXPECT_FALSE(missing->shareable());
  BusMessage text{BUS_TEXT, 1, const_cast<char*>("x")};
  EXPECT_EQ(0, missing->request(&text));
  EXPECT_EQ(0, missing->notify(&text));
}

TEST_F(ComponentSystemTest, SecondComponentUnderATakenNameIsRefused)
{
  RecordingComponent* first = add("upgrade");
  RecordingComponent* second = add("upgrade");
  second->set_active(true);
  first->set_active(true);
  EXPECT_EQ(first, system.acquire("upgrade"));
  EXPECT_EQ(2, first->use_count());  // the refused registration acquired it once
  EXPECT_EQ(0, second->use_count());
  BusMessage clear{BUS_CLEAR_TEXT, 0, nullptr};
  system.broadcast(nullptr, &clear);
  EXPECT_EQ(1u, first->notifications.size());
  EXPECT_TRUE(second->notifications.empty()) << "a refused component is not on the bus";
}

TEST_F(ComponentSystemTest, NameOfATakenNonShareableComponentStaysWithIt)
{
  RecordingComponent* first = add("transport protocol", false);
  ASSERT_EQ(first, system.acquire("transport protocol"));
  RecordingComponent* second = add("transport protocol", false);
  EXPECT_EQ(&NullComponent::instance(), system.acquire("transport protocol"));
  EXPECT_EQ(1, first->use_count());
  EXPECT_EQ(0, second->use_count());
}

// Counts its own deletion, to tell who deletes a component and when.
class DeletionCounter : public RecordingComponent {
public:
  DeletionCounter(const std::string& name, ComponentSystem* system, bool shareable, int& deletions)
      : RecordingComponent(name, system, shareable), deletions_(deletions)
  {
  }
  ~DeletionCounter() override { ++deletions_; }

private:
  int& deletions_;
};

TEST(ComponentSystemOwnership, RefusedComponentsLiveUntilDeinitDeletesThem)
{
  int deletions = 0;
  ComponentSystem system;
  new DeletionCounter("upgrade", &system, true, deletions);
  new DeletionCounter("upgrade", &system, true, deletions);
  new DeletionCounter("transport protocol", &system, false, deletions);
  system.acquire("transport protocol");
  new DeletionCounter("transport protocol", &system, false, deletions);
  EXPECT_EQ(0, deletions) << "refused components stay usable by their creators";

  system.deinit();
  EXPECT_EQ(4, deletions);
  system.deinit();
  EXPECT_EQ(4, deletions) << "each is deleted once";
}

TEST_F(ComponentSystemTest, BroadcastReachesActiveComponentsButTheSender)
{
  RecordingComponent* sender = add("com connector");
  RecordingComponent* listener = add("output");
  RecordingComponent* asleep = add("memcopy");
  sender->set_active(true);
  listener->set_active(true);
  char byte = 'k';
  BusMessage text{BUS_TEXT, 1, &byte};
  system.broadcast(sender, &text);
  ASSERT_EQ(1u, listener->notifications.size());
  EXPECT_EQ(BUS_TEXT, listener->notifications[0].type);
  EXPECT_EQ("k", listener->notifications[0].bytes);
  EXPECT_TRUE(sender->notifications.empty());
  EXPECT_TRUE(asleep->notifications.empty());

  system.broadcast(nullptr, &text);
  EXPECT_EQ(1u, sender->notifications.size());
  EXPECT_EQ(2u, listener->notifications.size());
}

TEST_F(ComponentSystemTest, BroadcastDeliversNothingAfterStop)
{
  RecordingComponent* listener = add("output");
  listener->set_active(true);
  system.stop();
  BusMessage clear{BUS_CLEAR_TEXT, 0, nullptr};
  system.broadcast(nullptr, &clear);
  EXPECT_TRUE(listener->notifications.empty());
}

// What two threads saw, in the order they saw it.
class SharedLog {
public:
  void add(const std::string& event)
  {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(event);
  }
  std::vector<std::string> events()
  {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
  }

private:
  std::mutex mutex_;
  std::vector<std::string> events_;
};

// Holds a broadcast for a while, as a listener that writes to a slow window.
class SlowListener : public RecordingComponent {
public:
  SlowListener(const std::string& name, ComponentSystem* system, std::atomic<bool>& entered)
      : RecordingComponent(name, system), entered_(entered)
  {
  }
  int32_t notify(BusMessage*) override
  {
    entered_ = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return 0;
  }

private:
  std::atomic<bool>& entered_;
};

class LoggingListener : public RecordingComponent {
public:
  LoggingListener(const std::string& name, ComponentSystem* system, SharedLog& log)
      : RecordingComponent(name, system), log_(log)
  {
  }
  ~LoggingListener() override { log_.add("deleted"); }
  int32_t notify(BusMessage*) override
  {
    log_.add("notified");
    return 0;
  }

private:
  SharedLog& log_;
};

TEST(ComponentSystemShutdown, DeinitLetsABroadcastUnderWayOnAWorkerThreadFinishFirst)
{
  SharedLog log;
  std::atomic<bool> entered{false};
  ComponentSystem system;
  (new SlowListener("a slow listener", &system, entered))->set_active(true);
  (new LoggingListener("b listener", &system, log))->set_active(true);
  BusMessage clear{BUS_CLEAR_TEXT, 0, nullptr};
  std::thread worker([&] { system.broadcast(nullptr, &clear); });
  for (int poll = 0; poll < 5000 && !entered; ++poll) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_TRUE(entered);
  system.deinit();
  worker.join();
  EXPECT_EQ((std::vector<std::string>{"notified", "deleted"}), log.events());

  system.broadcast(nullptr, &clear);
  EXPECT_EQ(2u, log.events().size()) << "a deleted listener hears nothing more";
}

TEST_F(ComponentSystemTest, Swap32FollowsTheTargetByteOrder)
{
  EXPECT_EQ(1, system.little_endian());
  EXPECT_EQ(0x01020304u, system.swap32(0x01020304u));
  system.set_little_endian(0);
  EXPECT_EQ(0x04030201u, system.swap32(0x01020304u));
  EXPECT_EQ(0x000000FFu, system.swap32(0xFF000000u));
  system.set_little_endian(2);
  EXPECT_EQ(0x01020304u, system.swap32(0x01020304u));
}

TEST_F(ComponentSystemTest, ComponentsCompareByName)
{
  RecordingComponent* output = add("output");
  RecordingComponent same("output", nullptr);
  RecordingComponent other("upgrade", nullptr);
  EXPECT_TRUE(*output == same);
  EXPECT_FALSE(*output != same);
  EXPECT_TRUE(*output != other);
  EXPECT_FALSE(*output == other);
}

TEST(ComponentSystemLifecycle, InitCreatesTheBuiltInComponentsAndLogsTheirRegistration)
{
  TemporaryDirectory directory;
  ComponentSystem system;
  ASSERT_TRUE(system.init());
  ASSERT_NE(nullptr, system.logger());
  EXPECT_EQ("logger", system.acquire(kSystemLogName)->type_name());
  EXPECT_EQ("error mgr", system.acquire_error_manager()->type_name());
  Component* transport = system.acquire(kTransportProtocolName);
  EXPECT_EQ("transport protocol", transport->type_name());
  EXPECT_EQ(&NullComponent::instance(), system.acquire(kTransportProtocolName));
  EXPECT_EQ(TRANSPORT_IDLE, static_cast<TransportProtocol*>(transport)->expected_type());
  EXPECT_EQ(0, static_cast<TransportProtocol*>(transport)->parser_state());
  EXPECT_EQ(0, static_cast<TransportProtocol*>(transport)->remaining());

  new RecordingComponent("output", &system);
  system.deinit();
  EXPECT_EQ(nullptr, system.logger());
  EXPECT_EQ(&NullComponent::instance(), system.acquire("output"));
  // Every line end is stored as CR LF.
  EXPECT_EQ("sys initializing\r\n"
            "component <korvo sys log> registered\r\n"
            "component <error manager> registered\r\n"
            "component <transport protocol> registered\r\n"
            "component <output> registered\r\n"
            "sys deiniting:\r\n",
            read_file_bytes(kSystemLogFile));
}

TEST(ComponentSystemLifecycle, EachRunStartsANewSystemLog)
{
  TemporaryDirectory directory;
  write_file_bytes(kSystemLogFile, "a previous run's lines\r\n");
  ComponentSystem system;
  system.init();
  system.deinit();
  EXPECT_EQ(0u, read_file_bytes(kSystemLogFile).find("sys initializing\r\n"));
}

}  // namespace
