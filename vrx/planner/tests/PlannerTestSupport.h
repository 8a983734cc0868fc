#pragma once

#include "core/CObject.h"
#include "ole/COleDateTime.h"
#include "strings/CString.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An independent day count: days from 30 December 1899 to a date of the
// proleptic Gregorian calendar, counted a year and a month at a time.
long DayCountOf(int nYear, int nMonth, int nDay);
int DaysInMonthOf(int nYear, int nMonth);
// 1 Sunday .. 7 Saturday, from the day count (30 December 1899 was a Saturday).
int WeekdayOf(long nDayCount);

// A date's value as the archive stores it (negative days keep a positive time).
double SerialOf(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0, int nSecond = 0);
COleDateTime DateOf(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0, int nSecond = 0);

class CVrxPAppointment;
class CVrxPRecurrence;

// Makes the appointment the master of a daily series from 1 May 2025 that
// runs from startHours to finishHours of each day (past 24 crosses
// midnight), through the recurrence given, under the recurrence id.
void AttachDailyRule(CVrxPAppointment& master, CVrxPRecurrence* pRecurrence, double startHours, double finishHours,
                     int nId);
// A plain appointment made such a master.
std::unique_ptr<CVrxPAppointment> DailyMaster(double startHours, double finishHours, int nId = 1);

// An appointment's time text of a date in the user's locale: without
// seconds, in lower case.
CString TimeTextOf(const COleDateTime& date);

// Archives over memory.
std::vector<uint8_t> StoreObject(const CObject* pObject);
// Loads one object reference of the class; throws what the archive throws.
CObject* LoadObject(const std::vector<uint8_t>& bytes, const CRuntimeClass* pClass);

// Builds the bytes an archive should hold, little-endian.
class ByteWriter
{
public:
    ByteWriter& U8(uint8_t value);
    ByteWriter& U16(uint16_t value);
    ByteWriter& I32(int32_t value);
    ByteWriter& F64(double value);
    ByteWriter& Text(const std::string& text);
    // Status valid (0) then the value.
    ByteWriter& Date(double value, int32_t nStatus = 0);
    ByteWriter& NewClass(uint16_t nSchema, const std::string& name);
    ByteWriter& ClassRef(uint16_t nIndex) { return U16(static_cast<uint16_t>(0x8000 | nIndex)); }
    ByteWriter& Raw(const std::vector<uint8_t>& bytes);
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};
