// The exact text that building a document through the cursor produces.
#include "MarkupTestSupport.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

const QString Declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");

QString declared(QStringView rest)
{
    return Declaration + rest.toString();
}

MarkupDocument declarationWithRoot()
{
    MarkupDocument doc;
    doc.setText(Declaration);
    doc.appendElement(QStringLiteral("Records"));
    doc.enterElement();
    return doc;
}

TEST(MarkupWrite, DeclarationAloneThenRootOnTheSameLine)
{
    MarkupDocument doc;
    EXPECT_FALSE(doc.setText(Declaration));
    EXPECT_TRUE(doc.resultLog().contains(u"<no_root_element/>"));
    ASSERT_TRUE(doc.appendElement(QStringLiteral("Records")));
    EXPECT_EQ(doc.text(), declared(u"<Records/>\r\n"));
}

TEST(MarkupWrite, ChildOfEmptyRootRewritesItIntoStartAndEndTag)
{
    MarkupDocument doc = declarationWithRoot();
    ASSERT_TRUE(doc.appendElement(QStringLiteral("App")));
    EXPECT_EQ(doc.text(), declared(u"<Records>\r\n<App/>\r\n</Records>\r\n"));
    ASSERT_TRUE(doc.appendElement(QStringLiteral("Comm")));
    EXPECT_EQ(doc.text(), declared(u"<Records>\r\n<App/>\r\n<Comm/>\r\n</Records>\r\n"));
}

TEST(MarkupWrite, ProgramFileShape)
{
    MarkupDocument doc = declarationWithRoot();
    ASSERT_TRUE(doc.appendElement(QStringLiteral("Program")));
    EXPECT_TRUE(doc.setAttribute(QStringLiteral("check"), 1LL));
    EXPECT_TRUE(doc.setAttribute(QStringLiteral("name"), QStringLiteral("a<b&c>'\"")));
    EXPECT_TRUE(doc.appendChildElement(QStringLiteral("action"), QStringLiteral("0")));
    EXPECT_TRUE(doc.appendChildElement(QStringLiteral("save"), QStringLiteral("{\\rtf1 a<b&c>'\"\r\nx}")));
    EXPECT_TRUE(doc.appendChildElement(QStringLiteral("fileName")));
    ASSERT_TRUE(doc.appendElement(QStringLiteral("Program")));
    EXPECT_TRUE(doc.setAttribute(QStringLiteral("type"), -3LL));
    EXPECT_EQ(doc.text(),
        declared(u"<Records>\r\n"
                 u"<Program check=\"1\" name=\"a&lt;b&amp;c&gt;&apos;&quot;\">\r\n"
                 u"<action>0</action>\r\n"
                 u"<save>{\\rtf1 a&lt;b&amp;c&gt;'\"\r\nx}</save>\r\n"
                 u"<fileName/>\r\n"
                 u"</Program>\r\n"
                 u"<Program type=\"-3\"/>\r\n"
                 u"</Records>\r\n"));
    // The index kept in step with every edit is the one a fresh parse builds.
    EXPECT_EQ(test::elementTree(doc), test::reparsedTree(doc));
    EXPECT_EQ(test::elementTree(doc), u"Records[Program[action[]save[]fileName[]]Program[]]");
}

TEST(MarkupWrite, SetAttributeBeforeSlashOrBracketAndReplacesValueInPlace)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<R><E/><F x='1'>t</F><G k=v other=\"2\"/></R>"));
    doc.findElement();
    doc.enterElement();
    doc.findElement(QStringLiteral("E"));
    doc.setAttribute(QStringLiteral("a"), QStringLiteral("1"));
    doc.findElement(QStringLiteral("F"));
    doc.setAttribute(QStringLiteral("a"), QStringLiteral("2"));
    doc.setAttribute(QStringLiteral("x"), QStringLiteral("long value"));
    doc.findElement(QStringLiteral("G"));
    doc.setAttribute(QStringLiteral("k"), QStringLiteral("w"));
    EXPECT_EQ(doc.text(), u"<R><E a=\"1\"/><F x=\"long value\" a=\"2\">t</F><G k=\"w\" other=\"2\"/></R>");
    EXPECT_EQ(doc.attribute(QStringLiteral("other")), u"2");
    EXPECT_EQ(test::elementTree(doc), test::reparsedTree(doc));
    EXPECT_FALSE(doc.setAttribute(QStringLiteral("bad name"), QStringLiteral("1")));
}

TEST(MarkupWrite, AttributeValueRoundTrips)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<a/>"));
    doc.findElement();
    const QString value = QStringLiteral("a<b&c \"q\" 'p' &amp; \U0001F600");
    doc.setAttribute(QStringLiteral("v"), value);
    EXPECT_EQ(doc.attribute(QStringLiteral("v")), value);
    EXPECT_TRUE(doc.text().startsWith(u"<a v=\"a&lt;b&amp;c &quot;q&quot; &apos;p&apos; &amp;amp;"));
}

TEST(MarkupWrite, ParentPlacement)
{
    // An empty start/end pair gets a line break before its first child.
    MarkupDocument pair;
    pair.setText(QStringLiteral("<P></P>"));
    pair.findElement();
    pair.appendChildElement(QStringLiteral("X"));
    EXPECT_EQ(pair.text(), u"<P>\r\n<X/>\r\n</P>");

    // With text after the sibling the element goes directly after it.
    MarkupDocument text;
    text.setText(QStringLiteral("<P><A/>tail<B/></P>"));
    text.findElement();
    text.findChildElement(QStringLiteral("A"));
    text.appendChildElement(QStringLiteral("X"), QStringLiteral("1"));
    EXPECT_EQ(text.text(), u"<P><A/><X>1</X>\r\ntail<B/></P>");
    // White space after the sibling is skipped when a tag follows.
    text.findChildElement(QStringLiteral("B"));
    text.appendChildElement(QStringLiteral("Y"));
    EXPECT_EQ(text.text(), u"<P><A/><X>1</X>\r\ntail<B/><Y/>\r\n</P>");

    // With no current element the new one ends the parent's content.
    MarkupDocument last;
    last.setText(QStringLiteral("<P>\r\n<A/>\r\n</P>\r\n"));
    last.findElement();
    last.enterElement();
    last.appendElement(QStringLiteral("Z"));
    EXPECT_EQ(last.text(), u"<P>\r\n<A/>\r\n<Z/>\r\n</P>\r\n");
    EXPECT_EQ(test::elementTree(last), u"P[A[]Z[]]");
    // A second top-level element goes to the end of the text.
    last.leaveElement();
    last.appendElement(QStringLiteral("Q"));
    EXPECT_EQ(last.text(), u"<P>\r\n<A/>\r\n<Z/>\r\n</P>\r\n<Q/>\r\n");
}

TEST(MarkupWrite, AppendsKeepIndexConsistentAroundLaterElements)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<R><A a='1'><B/></A><C a='2'><D/></C></R>"));
    doc.findElement();
    doc.findChildElement(QStringLiteral("A"));
    doc.enterElement(); // inside R, A current
    doc.enterElement(); // inside A
    doc.appendElement(QStringLiteral("N1"));
    doc.setAttribute(QStringLiteral("a"), QStringLiteral("x&y"));
    doc.appendChildElement(QStringLiteral("N2"), QStringLiteral("t"));
    doc.leaveElement();
    doc.leaveElement();
    EXPECT_EQ(doc.elementName(), u"R");
    EXPECT_TRUE(doc.findChildElement(QStringLiteral("C")));
    EXPECT_EQ(test::elementTree(doc), u"R[A(1)[B[]N1(x&y)[N2[]]]C(2)[D[]]]");
    EXPECT_EQ(test::elementTree(doc), test::reparsedTree(doc));
}

TEST(MarkupWrite, OddTagsStayIntactWhenEdited)
{
    // A stray "/" before "/>" must not close the rewritten parent again.
    MarkupDocument slash;
    slash.setText(QStringLiteral("<ext//>"));
    slash.findElement();
    slash.appendChildElement(QStringLiteral("C"));
    EXPECT_EQ(slash.text(), u"<ext/ >\r\n<C/>\r\n</ext>");
    EXPECT_EQ(test::elementTree(slash), test::reparsedTree(slash));

    // An unquoted value with quotes in it is replaced as the tag scanner saw it.
    MarkupDocument quotes;
    ASSERT_TRUE(quotes.setText(QStringLiteral("<a k=v' m=x'y><b/></a>")));
    quotes.findElement();
    EXPECT_EQ(quotes.attribute(QStringLiteral("k")), u"v'");
    quotes.setAttribute(QStringLiteral("k"), QStringLiteral("n"));
    EXPECT_EQ(quotes.text(), u"<a k=\"n\" m=x'y><b/></a>");
    EXPECT_EQ(quotes.attribute(QStringLiteral("m")), u"x'y");
    EXPECT_EQ(test::elementTree(quotes), test::reparsedTree(quotes));
}

TEST(MarkupWrite, RefusesWhatWouldCorruptTheText)
{
    MarkupDocument doc;
    doc.setText(QStringLiteral("<R/>"));
    EXPECT_FALSE(doc.appendChildElement(QStringLiteral("X"))) << "no element is current";
    EXPECT_FALSE(doc.setAttribute(QStringLiteral("a"), QStringLiteral("1")));
    doc.findElement();
    EXPECT_FALSE(doc.appendChildElement(QString()));
    EXPECT_FALSE(doc.appendChildElement(QStringLiteral("a b")));
    EXPECT_FALSE(doc.appendChildElement(QStringLiteral("1x")));
    EXPECT_EQ(doc.text(), u"<R/>");
}

} // namespace
} // namespace tessel
