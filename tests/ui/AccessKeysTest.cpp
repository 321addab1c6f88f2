// Menu texts shown outside a menu lose their access key, in either way of
// writing it.
#include "ui/AccessKeys.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(AccessKeysTest, TheKeyIsFoundAndRemovedInBothWaysOfWritingIt)
{
    EXPECT_EQ(withoutAccessKey(u"Add Cou&nter"_qs), u"Add Counter"_qs);
    EXPECT_EQ(accessKey(u"Add Cou&nter"_qs), u'N');
    EXPECT_EQ(withoutAccessKey(u"画面パラメーターの設定(&P)..."_qs), u"画面パラメーターの設定..."_qs);
    EXPECT_EQ(withoutAccessKey(u"File (&F)"_qs), u"File"_qs);
    EXPECT_EQ(accessKey(u"文件(&F)"_qs), u'F');
    // A doubled "&" is an "&" of the text and no key.
    EXPECT_EQ(withoutAccessKey(u"R&&D &Save"_qs), u"R&D Save"_qs);
    EXPECT_EQ(accessKey(u"R&&D"_qs), QChar());
    EXPECT_EQ(accessKey(u"trailing&"_qs), QChar());
    EXPECT_EQ(escapeAccessKeys(u"a&b"_qs), u"a&&b"_qs);
}

} // namespace
} // namespace tessel
