#include "render/IconCode.h"

#include <QString>
#include <gtest/gtest.h>

using tessel::ParseIconCode;

TEST(IconCode, LetterGivesTheIconSize)
{
    EXPECT_EQ(ParseIconCode(u"[A001]"), 12);
    EXPECT_EQ(ParseIconCode(u"[B123]"), 14);
    EXPECT_EQ(ParseIconCode(u"[C999]rest"), 16);
}

TEST(IconCode, AnythingElseIsText)
{
    for (const char16_t* text :
        { u"[D123]", u"[A12]", u"[A1x3]", u"[a001]", u"[A001", u"x[A001]", u"[A0011]", u"(A001)", u"" })
        EXPECT_EQ(ParseIconCode(text), std::nullopt) << QString::fromUtf16(text).toStdString();
}
