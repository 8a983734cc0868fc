#include "PresetConverterFactory.h"
#include "SatTp52Converter.h"
#include "SatTpProgConverter.h"

std::unique_ptr<PresetConverter> PresetConverterFactory::create()
{
  return nullptr;
}

std::unique_ptr<PresetConverter> SatTpProg48Factory::create()
{
  return std::make_unique<SatTpProg48Converter>();
}

std::unique_ptr<PresetConverter> SatTpProg52Factory::create()
{
  return std::make_unique<SatTpProg52Converter>();
}

std::unique_ptr<PresetConverter> SatTp52Factory::create()
{
  return std::make_unique<SatTp52Converter>();
}
