#include "strings/CRect.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void ExpectRect(const RECT& expected, const RECT& actual, const char* what)
{
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

} // namespace

TEST(CPointSizeTest, ArithmeticMixesPointsAndSizes)
{
    CPoint p(10, 20);
    CSize s(3, 4);
    EXPECT_EQ(CPoint(13, 24), p + s);
    EXPECT_EQ(CPoint(7, 16), p - s);
    EXPECT_EQ(CSize(7, 16), p - CPoint(3, 4));
    EXPECT_EQ(CPoint(-10, -20), -p);
    EXPECT_EQ(CPoint(13, 24), s + p);
    EXPECT_EQ(CSize(6, 8), s + s);
    EXPECT_EQ(CSize(-3, -4), -s);
    p += s;
    p -= CPoint(1, 1);
    EXPECT_EQ(CPoint(12, 23), p);
    p.Offset(-12, -23);
    EXPECT_EQ(CPoint(), p);
    EXPECT_TRUE(CSize(1, 2) != CSize(2, 1));
}

TEST(CPointSizeTest, UnpacksSignedMessageCoordinates)
{
    CPoint p(static_cast<DWORD>(MAKELONG(-5, 300)));
    EXPECT_EQ(-5, p.x);
    EXPECT_EQ(300, p.y);
    CSize s(static_cast<DWORD>(MAKELONG(640, -1)));
    EXPECT_EQ(640, s.cx);
    EXPECT_EQ(-1, s.cy);
}

TEST(CRectTest, MeasuresAndTestsPoints)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CSize(100, 50), r.Size());
    EXPECT_EQ(CPoint(10, 20), r.TopLeft());
    EXPECT_EQ(CPoint(110, 70), r.BottomRight());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 70)));
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(9, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());

    r.TopLeft() = CPoint(0, 0);
    r.BottomRight() += CSize(1, 1);
    EXPECT_EQ(CRect(0, 0, 111, 71), r);
}

TEST(CRectTest, EditsInEveryForm)
{
    const CRect base(10, 10, 20, 20);
    const CRect margins(1, 2, 3, 4);
    struct Case
    {
        const char* what;
        std::function<void(CRect&)> edit;
        RECT expected;
    };
    const Case cases[] = {
        {"InflateRect(x, y)", [](CRect& r) { r.InflateRect(2, 3); }, {8, 7, 22, 23}},
        {"InflateRect(SIZE)", [](CRect& r) { r.InflateRect(CSize(2, 3)); }, {8, 7, 22, 23}},
        {"InflateRect(LPCRECT)", [&](CRect& r) { r.InflateRect(&margins); }, {9, 8, 23, 24}},
        {"InflateRect(l, t, r, b)", [](CRect& r) { r.InflateRect(1, 2, 3, 4); }, {9, 8, 23, 24}},
        {"DeflateRect(x, y)", [](CRect& r) { r.DeflateRect(2, 3); }, {12, 13, 18, 17}},
        {"DeflateRect(SIZE)", [](CRect& r) { r.DeflateRect(CSize(2, 3)); }, {12, 13, 18, 17}},
        {"DeflateRect(LPCRECT)", [&](CRect& r) { r.DeflateRect(&margins); }, {11, 12, 17, 16}},
        {"DeflateRect(l, t, r, b)", [](CRect& r) { r.DeflateRect(1, 2, 3, 4); }, {11, 12, 17, 16}},
        {"OffsetRect(x, y)", [](CRect& r) { r.OffsetRect(5, -5); }, {15, 5, 25, 15}},
        {"OffsetRect(POINT)", [](CRect& r) { r.OffsetRect(CPoint(5, -5)); }, {15, 5, 25, 15}},
        {"OffsetRect(SIZE)", [](CRect& r) { r.OffsetRect(CSize(5, -5)); }, {15, 5, 25, 15}},
        {"MoveToXY", [](CRect& r) { r.MoveToXY(0, 1); }, {0, 1, 10, 11}},
        {"SetRect", [](CRect& r) { r.SetRect(1, 2, 3, 4); }, {1, 2, 3, 4}},
        {"SetRectEmpty", [](CRect& r) { r.SetRectEmpty(); }, {0, 0, 0, 0}},
        {"NormalizeRect", [](CRect& r) { r.SetRect(20, 30, 10, 5); r.NormalizeRect(); }, {10, 5, 20, 30}},
        {"+= POINT", [](CRect& r) { r += CPoint(1, 1); }, {11, 11, 21, 21}},
        {"-= SIZE", [](CRect& r) { r -= CSize(1, 1); }, {9, 9, 19, 19}},
        {"+= LPCRECT", [&](CRect& r) { r += &margins; }, {9, 8, 23, 24}},
        {"-= LPCRECT", [&](CRect& r) { r -= &margins; }, {11, 12, 17, 16}},
        {"&= RECT", [](CRect& r) { r &= CRect(15, 0, 30, 12); }, {15, 10, 20, 12}},
        {"|= RECT", [](CRect& r) { r |= CRect(0, 15, 12, 30); }, {0, 10, 20, 30}},
    };
    for (const Case& c : cases)
    {
        CRect r(base);
        c.edit(r);
        ExpectRect(c.expected, r, c.what);
    }
}

TEST(CRectTest, CombinesRectangles)
{
    const CRect a(0, 0, 10, 10);
    const CRect b(5, 5, 15, 15);
    const CRect distant(20, 20, 30, 30);

    ExpectRect(CRect(5, 5, 10, 10), a & b, "a & b");
    ExpectRect(CRect(0, 0, 15, 15), a | b, "a | b");
    ExpectRect(CRect(), a & distant, "disjoint &");
    ExpectRect(a, a | CRect(), "| empty");
    ExpectRect(CRect(1, 2, 11, 12), a + CPoint(1, 2), "+ POINT");
    ExpectRect(CRect(-1, -2, 9, 8), a - CSize(1, 2), "- SIZE");

    CRect r;
    EXPECT_TRUE(r.IntersectRect(&a, &b));
    EXPECT_EQ(CRect(5, 5, 10, 10), r);
    EXPECT_FALSE(r.IntersectRect(&a, &distant));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(&a, &distant));
    EXPECT_EQ(CRect(0, 0, 30, 30), r);

    // Subtracting leaves a rectangle only when the cut spans a whole side.
    EXPECT_TRUE(r.SubtractRect(&a, CRect(5, -1, 11, 11)));
    EXPECT_EQ(CRect(0, 0, 5, 10), r);
    EXPECT_TRUE(r.SubtractRect(&a, &b));
    EXPECT_EQ(a, r);
    EXPECT_FALSE(r.SubtractRect(&a, CRect(-1, -1, 11, 11)));

    EXPECT_TRUE(a == CRect(0, 0, 10, 10));
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a.EqualRect(CRect(0, 0, 10, 10)));
}

TEST(CRectTest, PassesAsWin32Rectangle)
{
    CRect r(1, 2, 3, 4);
    LPRECT lp = r;
    lp->right = 30;
    LPCRECT lpc = static_cast<const CRect&>(r);
    EXPECT_EQ(30, lpc->right);
    EXPECT_TRUE(::OffsetRect(r, 1, 1));
    EXPECT_EQ(CRect(2, 3, 31, 5), r);
    EXPECT_EQ(sizeof(RECT), sizeof(CRect));
}
