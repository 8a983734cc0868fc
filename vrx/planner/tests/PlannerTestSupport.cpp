#include "PlannerTestSupport.h"

#include "CVrxPAppointment.h"
#include "CVrxPRecurrence.h"
#include "CVrxPRecurrenceRuleDaily.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <cstring>

int DaysInMonthOf(int nYear, int nMonth)
{
    if (nMonth == 2)
        return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0 ? 29 : 28;
    return nMonth == 4 || nMonth == 6 || nMonth == 9 || nMonth == 11 ? 30 : 31;
}

long DayCountOf(int nYear, int nMonth, int nDay)
{
    // From 1 January 1900, which is day 2.
    long nCount = 2;
    for (int y = 1900; y < nYear; ++y)
        nCount += DaysInMonthOf(y, 2) == 29 ? 366 : 365;
    for (int y = nYear; y < 1900; ++y)
        nCount -= DaysInMonthOf(y, 2) == 29 ? 366 : 365;
    for (int m = 1; m < nMonth; ++m)
        nCount += DaysInMonthOf(nYear, m);
    return nCount + nDay - 1;
}

int WeekdayOf(long nDayCount)
{
    return static_cast<int>(((nDayCount % 7) + 7 + 6) % 7) + 1;
}

double SerialOf(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    const double days = static_cast<double>(DayCountOf(nYear, nMonth, nDay));
    const double time = ((nHour * 60.0 + nMinute) * 60.0 + nSecond) / 86400.0;
    return days >= 0 ? days + time : days - time;
}

COleDateTime DateOf(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    return COleDateTime(nYear, nMonth, nDay, nHour, nMinute, nSecond);
}

void AttachDailyRule(CVrxPAppointment& master, CVrxPRecurrence* pRecurrence, double startHours, double finishHours,
                     int nId)
{
    auto* pRule = new CVrxPRecurrenceRuleDaily;
    pRule->SetStart(DateOf(2025, 5, 1));
    pRule->SetOffsets(COleDateTimeSpan(startHours / 24), COleDateTimeSpan(finishHours / 24));
    pRecurrence->SetRule(pRule);
    master.SetRecurrence(pRecurrence);
    master.SetRecurrenceId(nId);
}

std::unique_ptr<CVrxPAppointment> DailyMaster(double startHours, double finishHours, int nId)
{
    auto pMaster = std::make_unique<CVrxPAppointment>();
    AttachDailyRule(*pMaster, new CVrxPRecurrence, startHours, finishHours, nId);
    return pMaster;
}

CString TimeTextOf(const COleDateTime& date)
{
    CString text = CVrxPAppointment::FormatTime(date, CVrxPAppointment::timeNoSeconds, CVrxPTimeLocale::User());
    return text.MakeLower();
}

std::vector<uint8_t> StoreObject(const CObject* pObject)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(pObject);
        ar.Close();
    }
    const auto nLength = static_cast<size_t>(file.GetLength());
    std::vector<uint8_t> bytes(nLength);
    file.SeekToBegin();
    if (nLength > 0)
        file.Read(bytes.data(), static_cast<UINT>(nLength));
    return bytes;
}

CObject* LoadObject(const std::vector<uint8_t>& bytes, const CRuntimeClass* pClass)
{
    std::vector<uint8_t> copy(bytes);
    copy.push_back(0);
    CMemFile file(copy.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CObject* pObject = ar.ReadObject(pClass);
    ar.Close();
    return pObject;
}

ByteWriter& ByteWriter::U8(uint8_t value)
{
    m_bytes.push_back(value);
    return *this;
}

ByteWriter& ByteWriter::U16(uint16_t value)
{
    return U8(static_cast<uint8_t>(value)).U8(static_cast<uint8_t>(value >> 8));
}

ByteWriter& ByteWriter::I32(int32_t value)
{
    const auto u = static_cast<uint32_t>(value);
    return U16(static_cast<uint16_t>(u)).U16(static_cast<uint16_t>(u >> 16));
}

ByteWriter& ByteWriter::F64(double value)
{
    uint8_t raw[8];
    std::memcpy(raw, &value, sizeof raw);
    m_bytes.insert(m_bytes.end(), raw, raw + 8);
    return *this;
}

ByteWriter& ByteWriter::Text(const std::string& text)
{
    if (text.size() < 255)
        U8(static_cast<uint8_t>(text.size()));
    else
        U8(0xFF).U16(static_cast<uint16_t>(text.size()));
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
}

ByteWriter& ByteWriter::Date(double value, int32_t nStatus)
{
    return I32(nStatus).F64(value);
}

ByteWriter& ByteWriter::NewClass(uint16_t nSchema, const std::string& name)
{
    U16(0xFFFF).U16(nSchema).U16(static_cast<uint16_t>(name.size()));
    m_bytes.insert(m_bytes.end(), name.begin(), name.end());
    return *this;
}

ByteWriter& ByteWriter::Raw(const std::vector<uint8_t>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}
