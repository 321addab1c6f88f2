// Walking a document with the cursor and reading attributes and texts.
#include "MarkupTestSupport.h"
#include "markup/MarkupEscape.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(MarkupRead, CursorWalksSiblingsAndChildren)
{
    MarkupDocument doc;
    ASSERT_TRUE(doc.setText(
        QStringLiteral("<?xml version=\"1.0\"?><!-- c --><Records><App lan=\"1\"/><!-- <Comm/> -->"
                       "<Comm a='2'/><FileSaveLists/><FileSaveLists/><ScreenPara/></Records>")));
    EXPECT_FALSE(doc.enterElement()) << "nothing current";
    EXPECT_FALSE(doc.leaveElement());
    ASSERT_TRUE(doc.findElement(QStringLiteral("Records")));
    EXPECT_FALSE(doc.findElement(QStringLiteral("Records"))) << "no second root";
    EXPECT_EQ(doc.elementName(), u"Records") << "a failed search leaves the cursor";
    ASSERT_TRUE(doc.enterElement());
    EXPECT_TRUE(doc.findElement(QStringLiteral("App")));
    EXPECT_EQ(doc.attribute(QStringLiteral("lan")), u"1");
    EXPECT_TRUE(doc.findElement(QStringLiteral("Comm"))) << "the commented-out one is text";
    EXPECT_EQ(doc.attribute(QStringLiteral("a")), u"2");
    EXPECT_FALSE(doc.findElement(QStringLiteral("App"))) << "searches run forward only";
    int lists = 0;
    while (doc.findElement(QStringLiteral("FileSaveLists")))
        ++lists;
    EXPECT_EQ(lists, 2);
    EXPECT_TRUE(doc.findElement(QStringLiteral("ScreenPara")));
    EXPECT_TRUE(doc.leaveElement());
    EXPECT_EQ(doc.elementName(), u"Records");
    EXPECT_FALSE(doc.findElement(QStringLiteral("records"))) << "names match with case";
}

TEST(MarkupRead, FindChildElementSearchesAfterTheCurrentChild)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<P><a>1</a><b>2</b><c>3</c></P>"));
    ASSERT_TRUE(doc.findChildElement(QStringLiteral("b"))) << "finds the first element itself";
    EXPECT_EQ(doc.elementName(), u"P");
    EXPECT_EQ(doc.childElementText(), u"2");
    EXPECT_FALSE(doc.findChildElement(QStringLiteral("a")));
    EXPECT_EQ(doc.childElementText(), u"2");
    EXPECT_TRUE(doc.findChildElement(QStringLiteral("c")));
    EXPECT_EQ(doc.childElementText(), u"3");
    ASSERT_TRUE(doc.enterElement());
    EXPECT_EQ(doc.elementName(), u"c");
}

TEST(MarkupRead, AttributeQuotingAndFirstMatch)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral(
        "<E a=\"1\" b='two words' c=bare d = \"sp\" flag e=\"x>y\" a=\"again\" f=\"&lt;&#65;&#x42;\"/>"));
    doc.findElement();
    EXPECT_EQ(doc.attribute(QStringLiteral("a")), u"1");
    EXPECT_EQ(doc.attribute(QStringLiteral("b")), u"two words");
    EXPECT_EQ(doc.attribute(QStringLiteral("c")), u"bare");
    EXPECT_EQ(doc.attribute(QStringLiteral("d")), u"sp");
    EXPECT_EQ(doc.attribute(QStringLiteral("e")), u"x>y");
    EXPECT_EQ(doc.attribute(QStringLiteral("f")), u"<AB");
    EXPECT_EQ(doc.attribute(QStringLiteral("flag")), QString());
    EXPECT_EQ(doc.attribute(QStringLiteral("missing")), QString());
    EXPECT_EQ(doc.attribute(QStringLiteral("A")), QString());
}

TEST(MarkupRead, ChildElementText)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral(
        "<P><plain>a &amp; b</plain><mixed>x<!-- no --><?pi no?><![CDATA[<&amp;>]]>y&lt;</mixed>"
        "<parent>t<in/></parent><empty/><pair></pair><lt>a < b</lt></P>"));
    doc.findElement();
    doc.findChildElement(QStringLiteral("plain"));
    EXPECT_EQ(doc.childElementText(), u"a & b");
    doc.findChildElement(QStringLiteral("mixed"));
    EXPECT_EQ(doc.childElementText(), u"x<&amp;>y<");
    doc.findChildElement(QStringLiteral("parent"));
    EXPECT_EQ(doc.childElementText(), QString()) << "an element with children has no text";
    doc.findChildElement(QStringLiteral("empty"));
    EXPECT_EQ(doc.childElementText(), QString());
    doc.findChildElement(QStringLiteral("pair"));
    EXPECT_EQ(doc.childElementText(), QString());
    doc.findChildElement(QStringLiteral("lt"));
    EXPECT_EQ(doc.childElementText(), u"a < b");
}

TEST(MarkupRead, LessThanThatOpensNoTagIsText)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<P><save>{\\rtf1 if x<y then z}</save><b>a<b</b><c>1<x2 <y=</c>"
                               "<t a='1' <u/></P>"));
    EXPECT_EQ(test::elementTree(doc), u"P[save[]b[]c[]u[]]");
    EXPECT_TRUE(doc.resultLog().startsWith(u"<first_tag_syntax offset=\"20\"/>"));
    doc.findElement();
    doc.findChildElement(QStringLiteral("save"));
    EXPECT_EQ(doc.childElementText(), u"{\\rtf1 if x<y then z}");
    doc.findChildElement(QStringLiteral("b"));
    EXPECT_EQ(doc.childElementText(), u"a<b");
    doc.findChildElement(QStringLiteral("c"));
    EXPECT_EQ(doc.childElementText(), u"1<x2 <y=");

    // However many there are, they cost one pass over the text.
    const QString many = QStringLiteral("x<y z ").repeated(200000);
    doc.setText(QStringLiteral("<r><s>") + many + QStringLiteral("</s></r>"));
    doc.findChildElement(QStringLiteral("s"));
    EXPECT_EQ(doc.childElementText(), many);
}

TEST(MarkupRead, NumericReferences)
{
    EXPECT_EQ(unescapeMarkup(u"&#65;&#x41;&#x6a;&#0065;"), u"AAjA");
    const QString smile = unescapeMarkup(u"&#x1F600;");
    ASSERT_EQ(smile.size(), 2);
    EXPECT_EQ(smile, QStringLiteral("\U0001F600"));
    EXPECT_EQ(unescapeMarkup(u"&#x10FFFF;"), QString::fromUcs4(U"\U0010FFFF"));
    // Not characters: stay as written, however long the number.
    for (const char16_t* kept : { u"&#0;", u"&#x0;", u"&#x110000;", u"&#xD800;", u"&#57343;",
             u"&#99999999999999999999999;", u"&#;", u"&#x;", u"&#65", u"&#X41;", u"&#6 5;" })
        EXPECT_EQ(unescapeMarkup(kept), QStringView(kept));
}

TEST(MarkupRead, NamedReferences)
{
    EXPECT_EQ(unescapeMarkup(u"&lt;&gt;&amp;&quot;&apos;&nbsp;&euro;&thetasym;"),
        QStringLiteral("<>&\"'\u00A0\u20AC\u03D1"));
    // Names that differ only in case keep their own characters.
    EXPECT_EQ(unescapeMarkup(u"&aacute;&Aacute;&alpha;&Alpha;&dagger;&Dagger;&yuml;&Yuml;"),
        QStringLiteral("\u00E1\u00C1\u03B1\u0391\u2020\u2021\u00FF\u0178"));
    // A name known only in another case falls back to the first of that spelling.
    EXPECT_EQ(unescapeMarkup(u"&AACUTE;&AMP;&Lt;"), QStringLiteral("\u00C1&<"));
    for (const char16_t* kept : { u"&unknown;", u"a & b", u"&amp", u"&;", u"&verylongname;", u"&&", u"&" })
        EXPECT_EQ(unescapeMarkup(kept), QStringView(kept));
}

TEST(MarkupRead, EscapeModes)
{
    EXPECT_EQ(escapeMarkup(u"<a&b>'\"", EscapeMode::Element), u"&lt;a&amp;b&gt;'\"");
    EXPECT_EQ(escapeMarkup(u"<a&b>'\"", EscapeMode::Attribute), u"&lt;a&amp;b&gt;&apos;&quot;");
}

} // namespace
} // namespace tessel
