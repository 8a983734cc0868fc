#include "RecordingView.h"
#include <algorithm>

uint32_t RecordingView::image_size(bool raw) const
{
  return raw ? uncompressed_size : static_cast<uint32_t>(zipped_image.size());
}

bool RecordingView::read_zipped_image(uint8_t* buffer, uint32_t size)
{
  if (zipped_image.size() < size) {
    return false;
  }
  std::copy_n(zipped_image.begin(), size, buffer);
  return true;
}

bool RecordingView::read_block_file(uint8_t* buffer, uint32_t size, unsigned index)
{
  auto file = block_files.find(index);
  if (file == block_files.end() || file->second.size() < size) {
    return false;
  }
  std::copy_n(file->second.begin(), size, buffer);
  return true;
}

bool RecordingView::write_dump_file(const uint8_t* buffer, uint32_t size)
{
  std::lock_guard<std::mutex> lock(mutex_);
  if (writes_fail) {
    return false;
  }
  dump_file_.assign(buffer, buffer + size);
  return true;
}

bool RecordingView::write_block_file(const uint8_t* buffer, unsigned index)
{
  uint32_t size = block_size ? block_size(index) : 0;
  std::lock_guard<std::mutex> lock(mutex_);
  if (writes_fail) {
    return false;
  }
  written_blocks_[index].assign(buffer, buffer + size);
  return true;
}

void RecordingView::show_status(int type, uint32_t done, uint32_t total)
{
  std::lock_guard<std::mutex> lock(mutex_);
  statuses_.emplace_back(type, done, total);
}

void RecordingView::enable_block_upgrade()
{
  record_call("enable_block_upgrade");
}

void RecordingView::show_message(const char* text)
{
  std::lock_guard<std::mutex> lock(mutex_);
  messages_.push_back(text);
}

bool RecordingView::ask_retry(const char* text)
{
  std::lock_guard<std::mutex> lock(mutex_);
  messages_.push_back(text);
  if (retry_answers.empty()) {
    return false;
  }
  bool retry = retry_answers.front();
  retry_answers.pop_front();
  return retry;
}

// The dialog's handlers end the operation; so do these.
void RecordingView::OnCancelDump()
{
  operation_active = false;
  record_call("OnCancelDump");
}

void RecordingView::OnConnect()
{
  operation_active = false;
  record_call("OnConnect");
}

void RecordingView::OnExit()
{
  operation_active = false;
  record_call("OnExit");
}

void RecordingView::record_call(const std::string& name)
{
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.push_back(name);
}

std::vector<RecordingView::Status> RecordingView::statuses() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return statuses_;
}

std::vector<std::string> RecordingView::messages() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return messages_;
}

std::vector<std::string> RecordingView::calls() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return calls_;
}

bool RecordingView::was_called(const std::string& name) const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return std::find(calls_.begin(), calls_.end(), name) != calls_.end();
}

std::vector<uint8_t> RecordingView::dump_file() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return dump_file_;
}

std::map<unsigned, std::vector<uint8_t>> RecordingView::written_blocks() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return written_blocks_;
}
