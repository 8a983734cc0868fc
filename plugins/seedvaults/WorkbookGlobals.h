#pragma once
#include "GlobalsRecords.h"
#include "SstRecord.h"
#include <vector>

// The records of the workbook-globals substream that the workbook keeps.
struct WorkbookGlobals {
  BofRecord bof{kSubstreamGlobals};
  Window1Record window1;
  std::vector<FontRecord> fonts;
  std::vector<XfRecord> xfs;
  std::vector<StyleRecord> styles;
  std::vector<BoundSheetRecord> bound_sheets;
  SstRecord sst;
  ExtSstRecord extsst;
  EofRecord eof;
};
