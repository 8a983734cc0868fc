#pragma once
// What the runs against the simulated set-top box share: whole files in and
// out, and a bounded wait for the engine's worker.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

std::vector<uint8_t> read_file(const std::string& path);
bool write_file(const std::string& path, const std::vector<uint8_t>& content);
// Polls the condition until it holds (true) or the limit has passed (false).
bool eventually(const std::function<bool()>& condition, std::chrono::seconds limit);
