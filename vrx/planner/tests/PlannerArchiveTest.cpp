#include "CVrxPAppointment.h"
#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyImages.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPRecurrence.h"
#include "CVrxPRecurrenceRuleDaily.h"
#include "CVrxPRecurrenceRuleMonthly.h"
#include "CVrxPRecurrenceRuleWeekly.h"
#include "CVrxPRecurrenceRuleYearly.h"
#include "PlannerTestSupport.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const uint16_t vtBstr = 8;
const uint16_t vtDate = 7;
const uint16_t vtI2 = 2;

std::unique_ptr<CVrxPAppointment> PlainAppointment()
{
    auto p = std::make_unique<CVrxPAppointment>();
    p->SetInterval(DateOf(2025, 5, 3, 9, 30), DateOf(2025, 5, 3, 11));
    p->SetDescription("Design review");
    p->SetBackgroundColor(0x00336699);
    p->SetImages({2, 0});
    return p;
}

std::vector<uint8_t> PlainBytes()
{
    return ByteWriter()
        .NewClass(1, "CVrxPAppointment")
        .Date(SerialOf(2025, 5, 3, 9, 30))
        .Date(SerialOf(2025, 5, 3, 11))
        .Text("Design review")
        .I32(0)
        .I32(0x00336699)
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(0)
        .U16(2)
        .I32(2)
        .I32(0)
        .Bytes();
}

// A daily master 10:00-11:00 from 1 May 2025 whose 6 May occurrence was
// renamed "moved" and whose 7 May occurrence was removed.
std::unique_ptr<CVrxPAppointment> Master()
{
    auto pMaster = std::make_unique<CVrxPAppointment>();
    auto* pRule = new CVrxPRecurrenceRuleDaily;
    pRule->SetRuleId(CVrxPRecurrenceBaseRule::ruleDaily);
    pRule->SetStart(DateOf(2025, 5, 1));
    pRule->SetOffsets(COleDateTimeSpan(10.0 / 24), COleDateTimeSpan(11.0 / 24));
    auto* pRecurrence = new CVrxPRecurrence;
    pRecurrence->SetRule(pRule);
    pMaster->SetRecurrence(pRecurrence);
    pMaster->SetRecurrenceId(4);
    for (int nDay : {6, 7})
    {
        std::unique_ptr<CVrxPAppointment> pOccurrence(pRecurrence->OccurrenceAt(DateOf(2025, 5, nDay)));
        pOccurrence->SetDescription("moved");
        CVrxPAppointmentPropertyList properties;
        pOccurrence->GetProperties(properties);
        pRecurrence->SetException(DateOf(2025, 5, nDay), properties, nDay == 7 ? 1 : 0);
    }
    return pMaster;
}

std::vector<uint8_t> MasterBytes(int32_t nAllDay = 0, int32_t nLimitType = 0)
{
    return ByteWriter()
        .NewClass(1, "CVrxPAppointment")
        .Date(SerialOf(2025, 5, 1, 10))
        .Date(SerialOf(2025, 5, 1, 11))
        .Text("")
        .I32(nAllDay)
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(1)
        .I32(4)
        .Date(0.0)
        .I32(0)
        .NewClass(1, "CVrxPRecurrence")
        .NewClass(2, "CVrxPRecurrenceRuleDaily")
        .Date(SerialOf(2025, 5, 1))
        .Date(10.0 / 24)
        .Date(11.0 / 24)
        .I32(nLimitType)
        .Date(0.0)
        .I32(10)
        .I32(1)
        .I32(0)
        .I32(1)
        .I32(2)
        .Date(SerialOf(2025, 5, 6))
        .Date(SerialOf(2025, 5, 6, 10))
        .Date(SerialOf(2025, 5, 6, 11))
        .I32(0)
        .NewClass(1, "CVrxPAppointmentPropertyList")
        .I32(1)
        .I32(2)
        .NewClass(1, "CVrxPAppointmentProperty")
        .U16(vtBstr)
        .Text("moved")
        .Date(SerialOf(2025, 5, 7))
        .Date(0.0)
        .Date(0.0)
        .I32(1)
        .U16(0)
        .Bytes();
}

std::vector<uint8_t> OccurrenceBytes()
{
    return ByteWriter()
        .NewClass(1, "CVrxPAppointment")
        .Date(SerialOf(2025, 5, 6, 10))
        .Date(SerialOf(2025, 5, 6, 11))
        .Text("moved")
        .I32(0)
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(static_cast<int32_t>(0xFF000000))
        .I32(1)
        .I32(4)
        .Date(SerialOf(2025, 5, 6))
        .I32(1)
        .I32(1)
        .U16(0)
        .Bytes();
}

template <class T>
std::unique_ptr<T> Load(const std::vector<uint8_t>& bytes)
{
    return std::unique_ptr<T>(static_cast<T*>(LoadObject(bytes, RUNTIME_CLASS(T))));
}

// The archive exception's cause, or -1 when loading succeeded.
int LoadFailure(const std::vector<uint8_t>& bytes, const CRuntimeClass* pClass)
{
    try
    {
        delete LoadObject(bytes, pClass);
    }
    catch (CArchiveException* e)
    {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

// A property list of one entry: id, then the given property bytes.
std::vector<uint8_t> ListOf(int32_t nId, const std::vector<uint8_t>& property)
{
    return ByteWriter().NewClass(1, "CVrxPAppointmentPropertyList").I32(1).I32(nId).Raw(property).Bytes();
}

} // namespace

TEST(PlannerArchive, PlainAppointmentBytesAndRoundTrip)
{
    const auto pAppointment = PlainAppointment();
    EXPECT_EQ(StoreObject(pAppointment.get()), PlainBytes());
    const auto pLoaded = Load<CVrxPAppointment>(PlainBytes());
    EXPECT_EQ(pLoaded->GetStart(), DateOf(2025, 5, 3, 9, 30));
    EXPECT_STREQ(pLoaded->GetDescription(), "Design review");
    EXPECT_EQ(pLoaded->GetImages(), (std::vector<int>{2, 0}));
    EXPECT_EQ(pLoaded->GetBackgroundColor(), 0x00336699u);
    EXPECT_EQ(pLoaded->GetStartTimeText(), pAppointment->GetStartTimeText());
    EXPECT_EQ(StoreObject(pLoaded.get()), PlainBytes());
}

TEST(PlannerArchive, MasterBytesAndLoading)
{
    const auto pMaster = Master();
    EXPECT_EQ(StoreObject(pMaster.get()), MasterBytes());
    // The rule decides the dates; all-day and the id do not survive loading.
    const auto pLoaded = Load<CVrxPAppointment>(MasterBytes(1));
    EXPECT_TRUE(pLoaded->IsRecurring());
    EXPECT_FALSE(pLoaded->IsOccurrence());
    EXPECT_EQ(pLoaded->GetRecurrenceId(), 0);
    EXPECT_FALSE(pLoaded->IsAllDay());
    EXPECT_EQ(pLoaded->GetStart(), DateOf(2025, 5, 1, 10));
    EXPECT_EQ(pLoaded->GetFinish(), DateOf(2025, 5, 1, 11));
    ASSERT_NE(pLoaded->GetRecurrence(), nullptr);
    EXPECT_EQ(pLoaded->GetRecurrence()->GetOwner(), pLoaded.get());
    EXPECT_EQ(pLoaded->GetRecurrence()->GetExceptions().size(), 2u);
    EXPECT_TRUE(pLoaded->GetRecurrence()->GetRule()->IsEqual(pMaster->GetRecurrence()->GetRule()));
    pLoaded->SetRecurrenceId(4);
    EXPECT_EQ(StoreObject(pLoaded.get()), MasterBytes());
}

TEST(PlannerArchive, OccurrenceBytesAndLoading)
{
    const auto pMaster = Master();
    std::unique_ptr<CVrxPAppointment> pOccurrence(pMaster->GetRecurrence()->OccurrenceAt(DateOf(2025, 5, 6)));
    EXPECT_EQ(StoreObject(pOccurrence.get()), OccurrenceBytes());
    const auto pLoaded = Load<CVrxPAppointment>(OccurrenceBytes());
    EXPECT_TRUE(pLoaded->IsOccurrence());
    EXPECT_EQ(pLoaded->GetRecurrenceId(), 4);
    EXPECT_EQ(pLoaded->GetOccurrenceDate(), DateOf(2025, 5, 6));
    EXPECT_TRUE(pLoaded->IsChanged());
    EXPECT_EQ(pLoaded->GetRecurrence(), nullptr);
}

TEST(PlannerArchive, WeeklyRuleKeepsItsMaskAndDefaultsItsId)
{
    CVrxPRecurrenceRuleWeekly rule;
    rule.SetDays(0x22);
    rule.SetInterval(2);
    const auto pLoaded = Load<CVrxPRecurrenceRuleWeekly>(StoreObject(&rule));
    EXPECT_EQ(pLoaded->GetDays(), 0x22);
    EXPECT_EQ(pLoaded->GetDaysPerWeek(), 2);
    EXPECT_EQ(pLoaded->GetRuleId(), CVrxPRecurrenceBaseRule::ruleWeekly);

    std::vector<uint8_t> bytes = StoreObject(&rule);
    // The day mask is the last field: a mask of 0 keeps the constructor's.
    bytes[bytes.size() - 4] = 0;
    const auto pNoDays = Load<CVrxPRecurrenceRuleWeekly>(bytes);
    EXPECT_EQ(pNoDays->GetDays(), 1);
}

// Each rule class's own fields follow the common ones; a daily type or a
// monthly or yearly mode other than 0 and 1 is refused.
TEST(PlannerArchive, RuleClassesRoundTripAndRefuseAnUnknownKind)
{
    CVrxPRecurrenceRuleDaily daily;
    daily.SetRuleId(CVrxPRecurrenceBaseRule::ruleDaily);
    daily.SetType(CVrxPRecurrenceRuleDaily::everyWeekday);
    daily.SetInterval(3);
    CVrxPRecurrenceRuleMonthly monthly;
    monthly.SetRuleId(CVrxPRecurrenceBaseRule::ruleMonthly);
    monthly.SetMode(1);
    monthly.SetOrdinal(4);
    monthly.SetDayKind(7);
    monthly.SetOrdinalInterval(2);
    CVrxPRecurrenceRuleYearly yearly;
    yearly.SetRuleId(CVrxPRecurrenceBaseRule::ruleYearly);
    yearly.SetMode(1);
    yearly.SetOrdinalMonth(11);
    yearly.SetOrdinal(3);
    yearly.SetDayKind(6);
    const struct
    {
        const CVrxPRecurrenceBaseRule* pRule;
        size_t nClassFields;
    } rules[] = {{&daily, 2}, {&monthly, 6}, {&yearly, 6}};
    for (const auto& rule : rules)
    {
        const char* name = rule.pRule->GetRuntimeClass()->m_lpszClassName;
        std::vector<uint8_t> bytes = StoreObject(rule.pRule);
        const auto pLoaded = Load<CVrxPRecurrenceBaseRule>(bytes);
        EXPECT_TRUE(pLoaded->IsKindOf(rule.pRule->GetRuntimeClass())) << name;
        EXPECT_TRUE(pLoaded->IsEqual(rule.pRule)) << name;
        bytes[bytes.size() - 4 * rule.nClassFields] = 2;
        EXPECT_EQ(LoadFailure(bytes, RUNTIME_CLASS(CVrxPRecurrenceBaseRule)), CArchiveException::genericException)
            << name;
    }
}

TEST(PlannerArchive, PropertiesKeepTheirValuesAndImagesAppend)
{
    CVrxPAppointmentPropertyList list;
    list.Add(0, new CVrxPAppointmentProperty(DateOf(1750, 3, 1, 12)));
    list.Add(7, new CVrxPAppointmentProperty(true));
    list.Add(101, new CVrxPAppointmentProperty(COleDateTimeSpan(0, 6, 0, 0)));
    list.Add(2, new CVrxPAppointmentProperty(CString("text")));
    list.Add(3, new CVrxPAppointmentProperty(-5));
    list.Add(6, new CVrxPAppointmentPropertyImages({4, 4, 1}));
    const auto pLoaded = Load<CVrxPAppointmentPropertyList>(StoreObject(&list));
    EXPECT_TRUE(pLoaded->IsEqual(list));
    EXPECT_EQ(static_cast<CVrxPAppointmentProperty*>(pLoaded->Get(7))->AsInt(), -1);

    CVrxPAppointmentPropertyImages images({9});
    std::vector<uint8_t> body = ByteWriter().I32(2).I32(5).I32(6).Bytes();
    CMemFile file(body.data(), static_cast<UINT>(body.size()));
    CArchive ar(&file, CArchive::load);
    images.Serialize(ar);
    std::vector<int> indexes;
    images.GetImages(indexes);
    EXPECT_EQ(indexes, (std::vector<int>{9, 5, 6}));
}

// Every prefix of a valid archive is refused cleanly (the sanitizers see
// that nothing leaks or is read out of bounds).
TEST(PlannerArchive, TruncatedArchivesAreRefused)
{
    for (const auto& bytes : {PlainBytes(), MasterBytes(), OccurrenceBytes()})
    {
        for (size_t nLength = 0; nLength < bytes.size(); ++nLength)
        {
            const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nLength));
            EXPECT_NE(LoadFailure(prefix, RUNTIME_CLASS(CVrxPAppointment)), -1) << nLength;
        }
    }
}

TEST(PlannerArchive, MalformedArchivesAreRefused)
{
    const auto property = [](uint16_t vt) { return ByteWriter().NewClass(1, "CVrxPAppointmentProperty").U16(vt); };
    const struct
    {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"null property", ListOf(2, ByteWriter().U16(0).Bytes())},
        {"foreign class", ListOf(2, ByteWriter().NewClass(1, "CVrxPRecurrence").U16(0).I32(0).Bytes())},
        {"unknown class", ListOf(2, ByteWriter().NewClass(1, "CNoSuchClass").Bytes())},
        {"short integer variant", ListOf(3, property(vtI2).U16(5).Bytes())},
        {"text where a date belongs", ListOf(0, property(vtBstr).Text("x").Bytes())},
        {"date where text belongs", ListOf(2, property(vtDate).F64(1.0).Bytes())},
        {"negative count", ByteWriter().NewClass(1, "CVrxPAppointmentPropertyList").I32(-1).Bytes()},
        {"property read twice",
         ByteWriter()
             .NewClass(1, "CVrxPAppointmentPropertyList")
             .I32(2)
             .I32(3)
             .Raw(property(3).I32(1).Bytes())
             .I32(4)
             .U16(4)
             .Bytes()},
        {"huge count", ByteWriter().NewClass(1, "CVrxPAppointmentPropertyList").I32(0x7FFFFFFF).I32(3).Bytes()},
    };
    for (const auto& c : cases)
        EXPECT_NE(LoadFailure(c.bytes, RUNTIME_CLASS(CVrxPAppointmentPropertyList)), -1) << c.what;

    EXPECT_EQ(LoadFailure(MasterBytes(0, 2), RUNTIME_CLASS(CVrxPAppointment)), -1);
    EXPECT_EQ(LoadFailure(MasterBytes(0, 3), RUNTIME_CLASS(CVrxPAppointment)), CArchiveException::genericException);

    std::vector<uint8_t> badStatus = PlainBytes();
    badStatus[6 + 16] = 9;
    EXPECT_EQ(LoadFailure(badStatus, RUNTIME_CLASS(CVrxPAppointment)), CArchiveException::genericException);
}
