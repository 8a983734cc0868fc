#pragma once
#include "PresetConverter.h"
#include <memory>

// Makes the converter of one project group.
class PresetConverterFactory {
public:
  virtual ~PresetConverterFactory() = default;
  // A new converter owned by the caller; the base makes none.
  virtual std::unique_ptr<PresetConverter> create();
};

class SatTpProg48Factory : public PresetConverterFactory {
public:
  std::unique_ptr<PresetConverter> create() override;
};

class SatTpProg52Factory : public PresetConverterFactory {
public:
  std::unique_ptr<PresetConverter> create() override;
};

class SatTp52Factory : public PresetConverterFactory {
public:
  std::unique_ptr<PresetConverter> create() override;
};
