# seedvaults' core, shared by the Windows build (CMakeLists.txt) and the
# native one (native.cmake).
set(SEEDVAULTS_CORE_SOURCES
  AnsiText.cpp
  BiffRecord.cpp
  BiffString.cpp
  ByteReader.cpp
  CellRecords.cpp
  GlobalsRecords.cpp
  PresetConverter.cpp
  PresetConverterFactory.cpp
  ProjectList.cpp
  SatTp52Converter.cpp
  SatTpProgConverter.cpp
  SectorFile.cpp
  SheetRecords.cpp
  SstRecord.cpp
  StorageEntry.cpp
  StorageFile.cpp
  StorageHeader.cpp
  StorageWriter.cpp
  WorkbookStreamReader.cpp
  WorkbookStreamWriter.cpp
  XlsCell.cpp
  XlsSheet.cpp
  XlsWorkbook.cpp)
