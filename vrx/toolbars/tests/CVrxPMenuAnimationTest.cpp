#include "toolbars/CVrxPMenuAnimation.h"

#include <gtest/gtest.h>

namespace
{
void ExpectSize(const SIZE& size, int cx, int cy)
{
    EXPECT_EQ(cx, size.cx);
    EXPECT_EQ(cy, size.cy);
}
} // namespace

TEST(CVrxPMenuAnimation, TypeForOnePopupLeavesTheOptionAlone)
{
    using A = CVrxPMenuAnimation;
    struct Case
    {
        int option;
        BOOL systemAnimation, systemFade, remote;
        int bits;
        BOOL customize;
        int type;
    };
    const Case cases[] = {
        {A::slide, FALSE, FALSE, FALSE, 32, FALSE, A::slide},
        {A::systemChoice, FALSE, TRUE, FALSE, 32, FALSE, A::none},
        {A::systemChoice, TRUE, TRUE, FALSE, 32, FALSE, A::fade},
        {A::systemChoice, TRUE, FALSE, FALSE, 32, FALSE, A::slide},
        {A::fade, FALSE, FALSE, FALSE, 8, FALSE, A::none},
        {A::unfold, FALSE, FALSE, FALSE, 8, FALSE, A::unfold},
        {A::unfold, FALSE, FALSE, TRUE, 32, FALSE, A::none},
        {A::fade, FALSE, FALSE, FALSE, 32, TRUE, A::none},
        {7, FALSE, FALSE, FALSE, 32, FALSE, A::none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.type, A::TypeForPopup(c.option, c.systemAnimation, c.systemFade, c.remote, c.bits, c.customize))
            << c.option << " " << c.bits;
}

TEST(CVrxPMenuAnimation, FadeEndsAfterElevenTicksHoweverLate)
{
    for (unsigned nElapsed : {15u, 100u})
    {
        CVrxPMenuAnimation animation;
        animation.Start(CVrxPMenuAnimation::fade, SIZE{100, 200}, 4, SIZE{100, 20});
        ExpectSize(animation.animatedSize, 104, 204);
        int nTicks = 0;
        while (!animation.Step(nElapsed))
            ++nTicks;
        EXPECT_EQ(10, nTicks) << nElapsed;
        EXPECT_GT(animation.alpha, 100);
    }
}

TEST(CVrxPMenuAnimation, SlideAndUnfoldGrowByWholeButtonsPerElapsedStep)
{
    CVrxPMenuAnimation slide;
    slide.Start(CVrxPMenuAnimation::slide, SIZE{100, 200}, 4, SIZE{100, 20});
    ExpectSize(slide.animatedSize, 104, 20);
    slide.Step(22); // 1.47 steps round to 1
    EXPECT_EQ(40, slide.animatedSize.cy);
    slide.Step(23); // 1.53 steps round to 2
    EXPECT_EQ(80, slide.animatedSize.cy);
    EXPECT_FALSE(slide.done);
    EXPECT_TRUE(slide.Step(150));
    ExpectSize(slide.animatedSize, 104, 204);

    CVrxPMenuAnimation unfold;
    unfold.Start(CVrxPMenuAnimation::unfold, SIZE{300, 40}, 0, SIZE{50, 20});
    ExpectSize(unfold.animatedSize, 50, 20);
    // The height is reached first: the whole menu shows at once.
    EXPECT_TRUE(unfold.Step(15));
    ExpectSize(unfold.animatedSize, 300, 40);

    CVrxPMenuAnimation none;
    none.Start(CVrxPMenuAnimation::none, SIZE{10, 10}, 0, SIZE{0, 0});
    EXPECT_TRUE(none.done);
}
