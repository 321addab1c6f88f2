// A face no font has is looked up under one stand-in name; every face the
// system knows in some way keeps its own name.
#include "render/CharFont.h"
#include "render/UnknownFace.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(UnknownFace, OnlyFacesNoFontHasShareTheStandIn)
{
    const QString standIn = FaceToLookUp(QStringLiteral("No Such Face 1"));
    EXPECT_NE(standIn, QStringLiteral("No Such Face 1"));
    EXPECT_EQ(FaceToLookUp(QStringLiteral("no such face 2")), standIn);
    // Installed, under another case and spacing, and under a name of another
    // language; given a substitute; an alias of the font configuration.
    for (const QString& known : { QStringLiteral("Liberation Sans"), QStringLiteral("liberationsans"),
             QStringLiteral(u"文泉驛正黑"), QStringLiteral("Arial"), QStringLiteral(u"宋体"),
             QStringLiteral("sans-serif"), QStringLiteral("monospace"), QStringLiteral("Helvetica") })
        EXPECT_EQ(FaceToLookUp(known), known) << qPrintable(known);
    EXPECT_EQ(FaceToLookUp(QString()), QString());

    // The stand-in ends where the unknown name would.
    CharFormat format;
    format.twips = 180;
    format.face = QStringLiteral("No Such Face 3");
    QFont asked(QStringLiteral("No Such Face 3"));
    asked.setPixelSize(12);
    asked.setStyleHint(QFont::SansSerif);
    EXPECT_EQ(QFontInfo(FontForFormat(format)).family(), QFontInfo(asked).family());
}

} // namespace
} // namespace tessel
