#include "docking/CVrxPStoredBarRecord.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Record = CVrxPStoredBarRecord;
using Bytes = std::vector<BYTE>;
const int barId = 59400;

Record::Place SomePlace()
{
    return Record::Place{{10, 20, 310, 220}, {0, 0, 120, 26}, Record::alignTop, 1, 0, Record::noMruWidth, 0};
}

// Every value as the bar writes it for the place.
void StoreAll(const Record::Place& place, Record::Stored (&values)[Record::valueCount])
{
    for (int i = 0; i < Record::valueCount; i++)
    {
        values[i].present = true;
        values[i].bytes = Record::ValueBytes(static_cast<Record::Value>(i), barId, place);
    }
}

bool SamePlace(const Record::Place& a, const Record::Place& b)
{
    auto sameRect = [](const RECT& x, const RECT& y) {
        return x.left == y.left && x.top == y.top && x.right == y.right && x.bottom == y.bottom;
    };
    return sameRect(a.floatRect, b.floatRect) && sameRect(a.dockedRect, b.dockedRect) && a.alignment == b.alignment &&
           a.rowIndex == b.rowIndex && a.floating == b.floating && a.mruWidth == b.mruWidth &&
           a.pinState == b.pinState;
}
} // namespace

TEST(StoredBarRecordTest, WritesTheValuesAsTheseBytes)
{
    const Record::Place place = SomePlace();
    const struct
    {
        Record::Value value;
        const char* name;
        Bytes bytes;
    } golden[] = {
        {Record::id, "ID", {0x08, 0xE8, 0, 0}},
        {Record::rectRecentFloat, "RectRecentFloat", {0x0A, 0, 0, 0, 0x14, 0, 0, 0, 0x36, 0x01, 0, 0, 0xDC, 0, 0, 0}},
        {Record::rectRecentDocked, "RectRecentDocked", {0, 0, 0, 0, 0, 0, 0, 0, 120, 0, 0, 0, 26, 0, 0, 0}},
        {Record::recentFrameAlignment, "RecentFrameAlignment", {0, 0x20, 0, 0}},
        {Record::recentRowIndex, "RecentRowIndex", {1, 0, 0, 0}},
        {Record::isFloating, "IsFloating", {0, 0, 0, 0}},
        {Record::mruWidth, "MRUWidth", {0xFF, 0x7F, 0, 0}},
        {Record::pinState, "PinState", {0, 0, 0, 0}},
    };
    for (const auto& expected : golden)
    {
        EXPECT_STREQ(expected.name, Record::valueNames[expected.value]);
        EXPECT_EQ(expected.bytes, Record::ValueBytes(expected.value, barId, place)) << expected.name;
    }
    EXPECT_STREQ("IsVisible", Record::isVisibleName);
    EXPECT_EQ((Bytes{1, 0, 0, 0}), Record::VisibleBytes(TRUE));
    EXPECT_EQ((Bytes{0, 0, 0, 0}), Record::VisibleBytes(FALSE));
}

TEST(StoredBarRecordTest, AWrittenRecordIsReadBackWhole)
{
    const Record::Place stored{{-300, -40, -10, 60}, {5, 6, 7, 8}, Record::alignBottom, Record::maxRowIndex, 1, 0, 1};
    Record::Stored values[Record::valueCount];
    StoreAll(stored, values);
    Record::Place read = SomePlace();
    ASSERT_TRUE(Record::Read(values, barId, read));
    EXPECT_TRUE(SamePlace(stored, read));
}

TEST(StoredBarRecordTest, AMissingValueLeavesItsMember)
{
    Record::Stored values[Record::valueCount];
    StoreAll(SomePlace(), values);
    values[Record::mruWidth] = Record::Stored{};
    values[Record::rectRecentFloat] = Record::Stored{};
    Record::Place read = SomePlace();
    read.mruWidth = 77;
    read.floatRect = RECT{1, 2, 3, 4};
    const Record::Place before = read;
    ASSERT_TRUE(Record::Read(values, barId, read));
    EXPECT_TRUE(SamePlace(before, read));

    const Record::Stored none[Record::valueCount];
    EXPECT_TRUE(Record::Read(none, barId, read)) << "an empty key changes nothing";
    EXPECT_TRUE(SamePlace(before, read));
}

struct Damage
{
    Record::Value value;
    Bytes bytes;
};

class DamagedBarRecordTest : public ::testing::TestWithParam<Damage>
{
};

// One damaged or foreign value refuses the record whole: nothing of the
// other, sound values is taken.
TEST_P(DamagedBarRecordTest, IsRefusedAndChangesNothing)
{
    Record::Place stored = SomePlace();
    stored.floatRect = RECT{1, 2, 3, 4};
    Record::Stored values[Record::valueCount];
    StoreAll(stored, values);
    values[GetParam().value].bytes = GetParam().bytes;

    Record::Place read{{50, 60, 70, 80}, {0, 0, 0, 0}, Record::alignLeft, 0, 1, 200, 1};
    const Record::Place before = read;
    EXPECT_FALSE(Record::Read(values, barId, read));
    EXPECT_TRUE(SamePlace(before, read));
}

Bytes Dword(DWORD value)
{
    return Record::NumberBytes(value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DamagedBarRecordTest,
    ::testing::Values(Damage{Record::rectRecentFloat, {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}},
                      Damage{Record::rectRecentFloat, Bytes(20, 0)},
                      Damage{Record::rectRecentFloat, {}},
                      Damage{Record::rectRecentDocked, {50, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 9, 0, 0, 0}},
                      Damage{Record::rectRecentDocked, {0, 0, 0, 0, 9, 0, 0, 0, 10, 0, 0, 0, 8, 0, 0, 0}},
                      Damage{Record::recentFrameAlignment, Dword(0x3000)},
                      Damage{Record::recentFrameAlignment, Dword(0)},
                      Damage{Record::recentFrameAlignment, Dword(0x10000)},
                      Damage{Record::recentRowIndex, Dword(Record::maxRowIndex + 1)},
                      Damage{Record::recentRowIndex, Dword(0xFFFFFFFF)},
                      Damage{Record::isFloating, Dword(7)},
                      Damage{Record::mruWidth, Dword(0xFFFFFFFB)},
                      Damage{Record::mruWidth, Dword(Record::noMruWidth + 1)},
                      Damage{Record::pinState, {'1', 0}},
                      Damage{Record::pinState, Dword(2)},
                      Damage{Record::id, Dword(barId + 1)},
                      Damage{Record::id, {0x08, 0xE8, 0, 0, 0}}));

// Only a value that is there and sound changes what the bar holds.
TEST(StoredBarRecordTest, VisibilityIsTheNumberZeroOrOne)
{
    const struct
    {
        bool present;
        Bytes bytes;
        BOOL accepted;
        BOOL visible;
    } cases[] = {
        {true, {1, 0, 0, 0}, TRUE, TRUE}, {true, {0, 0, 0, 0}, TRUE, FALSE}, {false, {}, TRUE, 5},
        {true, {2, 0, 0, 0}, FALSE, 5},   {true, {1}, FALSE, 5},             {true, {}, FALSE, 5},
        {true, {0, 0, 0, 1}, FALSE, 5},
    };
    for (const auto& c : cases)
    {
        Record::Stored value;
        value.present = c.present;
        value.bytes = c.bytes;
        BOOL bVisible = 5;
        EXPECT_EQ(c.accepted, Record::ReadVisible(value, bVisible)) << c.bytes.size();
        EXPECT_EQ(c.visible, bVisible) << c.bytes.size();
    }
}

TEST(StoredBarDockingStateTest, StoresTheSideAndTheVisibilityAsTheseBytes)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CVrxPStoredBarRecord::StoreDockingState(ar, Record::alignTop | 0x400, TRUE);
    }
    ASSERT_EQ(8u, file.GetLength());
    file.SeekToBegin();
    Bytes bytes(8);
    file.Read(bytes.data(), 8);
    EXPECT_EQ((Bytes{0x00, 0x20, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}), bytes);

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    DWORD dwAlignment = 0;
    BOOL bVisible = FALSE;
    Record::LoadDockingState(ar, dwAlignment, bVisible);
    EXPECT_EQ(static_cast<DWORD>(Record::alignTop), dwAlignment);
    EXPECT_TRUE(bVisible);
}

// A stream that ends early or holds what no bar stores throws and leaves
// both as they were.
TEST(StoredBarDockingStateTest, AShortOrForeignStreamIsRefused)
{
    const std::vector<Bytes> streams = {
        {},
        {0x00, 0x20, 0x00, 0x00},
        {0x00, 0x20, 0x00, 0x00, 0x01, 0x00, 0x00},
        {0x34, 0x12, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00},
        {0x00, 0x20, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00},
        {0x00, 0x20, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00},
        {0x00, 0x20, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF},
    };
    for (const Bytes& stream : streams)
    {
        CMemFile file(const_cast<BYTE*>(stream.data()), static_cast<UINT>(stream.size()));
        CArchive ar(&file, CArchive::load);
        DWORD dwAlignment = 0x77;
        BOOL bVisible = 5;
        BOOL bThrown = FALSE;
        try
        {
            Record::LoadDockingState(ar, dwAlignment, bVisible);
        }
        catch (CException* e)
        {
            e->Delete();
            bThrown = TRUE;
        }
        EXPECT_TRUE(bThrown) << stream.size();
        EXPECT_EQ(0x77u, dwAlignment);
        EXPECT_EQ(5, bVisible);
    }
}
