#include "ComponentSystem.h"
#include "ErrorManager.h"
#include "RecordingComponent.h"
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class ErrorManagerTest : public ::testing::Test {
protected:
  ~ErrorManagerTest() override { system.deinit(); }

  ComponentSystem system;
  ErrorManager* errors = new ErrorManager(&system);
  RecordingComponent* connector = new RecordingComponent("com connector", &system);
};

TEST_F(ErrorManagerTest, IsTheSharedErrorManager)
{
  EXPECT_EQ(errors, system.acquire_error_manager());
  EXPECT_EQ(errors, system.acquire_error_manager());
  EXPECT_EQ("error mgr", errors->type_name());
}

TEST_F(ErrorManagerTest, SecondAddOfAPairIsRefused)
{
  EXPECT_TRUE(errors->add(connector, 0, "connector already connected"));
  EXPECT_FALSE(errors->add(connector, 0, "another text"));
  ASSERT_EQ(1u, errors->records().size());
  EXPECT_EQ("connector already connected", errors->records()[0]->message);
}

TEST_F(ErrorManagerTest, RaiseMakesTheRecordCurrent)
{
  errors->add(connector, 0, "connector already connected");
  errors->add(connector, 3, "port gone");
  errors->raise(connector, 3);
  EXPECT_EQ(1, errors->current());
  EXPECT_EQ(1, errors->records()[1]->index);
  errors->raise(connector, 0);
  EXPECT_EQ(0, errors->current());
}

TEST_F(ErrorManagerTest, RaisingAnUnknownPairThrowsAndReleasesTheLock)
{
  errors->add(connector, 0, "connector already connected");
  try {
    errors->raise(connector, 7);
    FAIL() << "no exception";
  } catch (const std::exception& error) {
    EXPECT_STREQ("can't find error in component <com connector> with id 7\n", error.what());
  }
  // The same pair on another component is unknown too.
  RecordingComponent other("upgrade", nullptr);
  EXPECT_THROW(errors->raise(&other, 0), std::runtime_error);
  // The lock was left: another thread can still add.
  std::future<bool> late = std::async(std::launch::async, [this] { return errors->add(connector, 9, "late"); });
  ASSERT_EQ(std::future_status::ready, late.wait_for(std::chrono::seconds(10)));
  EXPECT_TRUE(late.get());
}

}  // namespace
