// Structural faults: what the index makes of them and what the log says.
#include "MarkupTestSupport.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(MarkupStructure, UnendedStartTagStaysAsEmptyChild)
{
    MarkupDocument doc;
    EXPECT_FALSE(doc.setText(QStringLiteral("<a><b></a>")));
    EXPECT_TRUE(doc.hasErrors());
    EXPECT_EQ(doc.resultLog(), u"<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"6\"/>");
    EXPECT_EQ(test::elementTree(doc), u"a[b[]]");
}

TEST(MarkupStructure, ChildrenOfUnendedElementsBecomeFollowingSiblings)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<r><a><x a='1'/><b><y a='2'/><c><z a='3'/></r><after/>"));
    EXPECT_EQ(test::elementTree(doc), u"r[a[]x(1)[]b[]y(2)[]c[]z(3)[]]after[]");
    // Innermost first.
    const QString log = doc.resultLog();
    EXPECT_LT(log.indexOf(u"tagname=\"c\""), log.indexOf(u"tagname=\"b\""));
    EXPECT_LT(log.indexOf(u"tagname=\"b\""), log.indexOf(u"tagname=\"a\""));
    EXPECT_TRUE(log.contains(u"<root_has_sibling/>"));
    // Elements after the flattened run are still reached and still editable.
    doc.resetPosition();
    doc.findElement();
    doc.findChildElement(QStringLiteral("z"));
    doc.enterElement();
    doc.appendElement(QStringLiteral("w"));
    EXPECT_EQ(doc.text(), u"<r><a><x a='1'/><b><y a='2'/><c><z a='3'/><w/>\r\n</r><after/>");
}

TEST(MarkupStructure, UnendedAtEndOfText)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<a><b/><c>"));
    EXPECT_EQ(test::elementTree(doc), u"a[]b[]c[]");
    EXPECT_TRUE(doc.resultLog().contains(u"<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"10\"/>"));
}

TEST(MarkupStructure, LoneEndTagIsIgnored)
{
    MarkupDocument doc;
    EXPECT_FALSE(doc.setText(QStringLiteral("<a></x><b/></a>")));
    EXPECT_EQ(doc.resultLog(), u"<lone_end_tag tagname=\"x\" offset=\"3\"/>");
    EXPECT_EQ(test::elementTree(doc), u"a[b[]]");
    doc.setText(QStringLiteral("</x><a/>"));
    EXPECT_TRUE(doc.resultLog().startsWith(u"<lone_end_tag tagname=\"x\" offset=\"0\"/>"));
}

TEST(MarkupStructure, TopLevelCount)
{
    MarkupDocument doc;
    EXPECT_FALSE(doc.setText(QString()));
    EXPECT_EQ(doc.resultLog(), u"<no_root_element/>");
    EXPECT_FALSE(doc.setText(QStringLiteral("<a/><b/>")));
    EXPECT_EQ(doc.resultLog(), u"<root_has_sibling/>");
    EXPECT_TRUE(doc.setText(QStringLiteral("<?xml version=\"1.0\"?>\r\n<!DOCTYPE a [<!ENTITY e 'x>'>]>"
                                           "<a><![CDATA[<b>]]><!-- <c> --></a>\r\n")));
    EXPECT_EQ(doc.resultLog(), QString());
    EXPECT_FALSE(doc.hasErrors());
    EXPECT_EQ(test::elementTree(doc), u"a[]");
}

TEST(MarkupStructure, SyntaxFaults)
{
    struct Case {
        const char* text;
        const char* log;
    };
    const Case cases[] = {
        { "<a>< b</a>", "<first_tag_syntax offset=\"3\"/>" },
        { "<a>1 <</a>", "<first_tag_syntax offset=\"5\"/>" },
        { "<a><!></a>", "<exclamation_tag_syntax offset=\"3\"/>" },
        { "<a><!-x></a>", "<comment_tag_syntax offset=\"3\"/>" },
        { "<a><![x[y]]></a>", "<cdata_section_syntax offset=\"3\"/>" },
        { "<!DOCTYPE a ]><a/>", "<doctype_tag_syntax offset=\"0\"/>" },
        { "<a/><!-- open", "<unterminated_tag_syntax type=\"comment\" offset=\"4\"/>" },
        { "<a/><![CDATA[", "<unterminated_tag_syntax type=\"cdata_section\" offset=\"4\"/>" },
        { "<a/><?pi", "<unterminated_tag_syntax type=\"processing_instruction\" offset=\"4\"/>" },
        { "<a/><!DOCTYPE [", "<unterminated_tag_syntax type=\"document_type\" offset=\"4\"/>" },
        { "<a/><!x", "<unterminated_tag_syntax type=\"tag\" offset=\"4\"/>" },
        { "<a/></a", "<unterminated_tag_syntax type=\"end_tag\" offset=\"4\"/>" },
    };
    for (const Case& c : cases) {
        MarkupDocument doc;
        EXPECT_FALSE(doc.setText(QString::fromLatin1(c.text))) << c.text;
        EXPECT_TRUE(doc.resultLog().startsWith(QString::fromLatin1(c.log)))
            << c.text << " logs " << qPrintable(doc.resultLog());
        EXPECT_TRUE(doc.findElement(QStringLiteral("a"))) << c.text;
    }
}

TEST(MarkupStructure, UnterminatedStartTagResumesAtTheNextTag)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<r><a x='1' <b/></r>"));
    EXPECT_TRUE(doc.resultLog().startsWith(u"<unterminated_tag_syntax type=\"start_tag\" offset=\"3\"/>"));
    EXPECT_EQ(test::elementTree(doc), u"r[b[]]");
    doc.setText(QStringLiteral("<r><a x='1>"));
    EXPECT_TRUE(doc.resultLog().contains(u"<unterminated_tag_syntax type=\"start_tag\" offset=\"3\"/>"));
    EXPECT_EQ(test::elementTree(doc), u"r[]");
}

TEST(MarkupStructure, MalformedTagLosesNothingThatFollows)
{
    // Quotes inside an unquoted value are ordinary characters, and a quoted
    // value that never closes breaks off at the next tag.
    MarkupDocument doc;
    doc.setText(QStringLiteral("<R><P a=Bob's b=\"1\"/>\r\n<P a=it\"s/>\r\n<P a='open/>\r\n"
                               "<P a=\"y\"/>\r\n<P a=z>w</P></R>"));
    EXPECT_EQ(test::elementTree(doc), u"R[P(Bob's)[]P(it\"s)[]P(y)[]P(z)[]]");
    EXPECT_EQ(doc.resultLog(), u"<unterminated_tag_syntax type=\"start_tag\" offset=\"36\"/>");
    doc.resetPosition();
    doc.findElement();
    doc.findChildElement(QStringLiteral("P"));
    doc.enterElement();
    EXPECT_EQ(doc.attribute(QStringLiteral("b")), u"1");
}

TEST(MarkupStructure, LogStopsGrowingPastItsLimit)
{
    QString text = QStringLiteral("<a>");
    for (int i = 0; i < 5000; ++i)
        text += u"</x>";
    text += u"</a>";
    MarkupDocument doc;
    doc.setText(text);
    EXPECT_GE(doc.resultLog().size(), 1000);
    EXPECT_LT(doc.resultLog().size(), 1100);
    EXPECT_EQ(test::elementTree(doc), u"a[]");
}

TEST(MarkupStructure, DeepNestingWithoutRecursion)
{
    constexpr int Depth = 100000;
    QString text;
    for (int i = 0; i < Depth; ++i)
        text += u"<a>";
    for (int i = 0; i < Depth; ++i)
        text += u"</a>";
    MarkupDocument doc;
    EXPECT_TRUE(doc.setText(text));
    int depth = 0;
    while (doc.findElement(QStringLiteral("a")) && doc.enterElement())
        ++depth;
    EXPECT_EQ(depth, Depth);
    EXPECT_TRUE(doc.appendElement(QStringLiteral("leaf")));
    EXPECT_EQ(doc.text().indexOf(u"<a>\r\n<leaf/>\r\n</a>"), 3 * (Depth - 1));
    while (doc.leaveElement())
        --depth;
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(doc.elementName(), u"a");
}

TEST(MarkupStructure, HostileNestingStaysLinear)
{
    // Deep unclosed runs, then end tags that match nothing or the outermost
    // element: each would cost a search of the whole stack if done naively.
    constexpr int Depth = 200000;
    QString text = QStringLiteral("<r>");
    for (int i = 0; i < Depth; ++i)
        text += u"<b>";
    for (int i = 0; i < Depth; ++i)
        text += u"</x>";
    text += u"</r>";
    MarkupDocument doc;
    EXPECT_FALSE(doc.setText(text));
    ASSERT_TRUE(doc.findElement(QStringLiteral("r")));
    ASSERT_TRUE(doc.enterElement());
    int siblings = 0;
    while (doc.findElement(QStringLiteral("b")))
        ++siblings;
    EXPECT_EQ(siblings, Depth);
}

TEST(MarkupStructure, HostileInputsAreReadAsFarAsTheyGo)
{
    // A start tag with a hundred thousand attributes: the first match wins.
    QString tag = QStringLiteral("<a ");
    for (int i = 0; i < 100000; ++i)
        tag += u"k='x' ";
    MarkupDocument doc;
    EXPECT_TRUE(doc.setText(tag + QStringLiteral("k='late' z='last'/>")));
    doc.findElement();
    EXPECT_EQ(doc.attribute(QStringLiteral("k")), u"x");
    EXPECT_EQ(doc.attribute(QStringLiteral("z")), u"last");

    // Quotes that never close and binary noise index nothing and end the scan.
    QByteArray noise;
    for (int i = 0; i < (1 << 20); ++i)
        noise += static_cast<char>((i * 2654435761u) >> 24);
    for (const QByteArray& bytes :
        { QByteArray("<a b='").repeated(100000), noise, QByteArray("\xFF\xFE<\0a\0>\0\0\xD8", 9) }) {
        MarkupDocument hostile;
        EXPECT_TRUE(hostile.setBytes(bytes));
        EXPECT_TRUE(hostile.hasErrors());
        EXPECT_LT(hostile.resultLog().size(), 1100);
        hostile.findElement();
        hostile.appendElement(QStringLiteral("x"));
    }
}

} // namespace
} // namespace tessel
