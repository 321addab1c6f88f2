// Parsing a program-file-shaped document, and building one through the cursor.
#include "markup/MarkupDocument.h"

#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

using tessel::MarkupDocument;

const QString Declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");

// An RTF text as the editor stores it, escaped for an element.
QString escapedRtf()
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
                                 "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
                                 "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                                 "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n");
    for (int i = 0; i < 12; ++i)
        rtf += QStringLiteral(
            "\\pard\\cf1\\b\\f0\\fs24 Hello &lt;badge&gt; &amp; \\u20320?\\u22909? line %1\\par\r\n")
                   .arg(i);
    return rtf + u'}';
}

void appendProgram(QString& out, int n, const QString& save)
{
    out += QStringLiteral(
        "<Program check=\"1\" type=\"0\" name=\"text%1\" summary=\"Welcome &amp; &quot;%1&quot;\" "
        "borderType=\"0\" borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"255\" "
        "playCount=\"0\">\r\n")
               .arg(n);
    out += QStringLiteral(
        "<action>0</action>\r\n<speed>1</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
        "<arabic>0</arabic>\r\n<yOffset>5</yOffset>\r\n<horAlign>0</horAlign>\r\n"
        "<verAlign>1</verAlign>\r\n<charSpacing>1</charSpacing>\r\n<save>");
    out += save;
    out += QStringLiteral("</save>\r\n</Program>\r\n");
}

QString programDocument(qsizetype size)
{
    const QString save = escapedRtf();
    QString text = Declaration + QStringLiteral("<Records>\r\n");
    for (int n = 1; text.size() < size; ++n)
        appendProgram(text, n, save);
    return text + QStringLiteral("</Records>\r\n");
}

void BM_ParseProgramDocument(benchmark::State& state)
{
    const QString text = programDocument(1 << 20);
    for (auto _ : state) {
        MarkupDocument doc;
        benchmark::DoNotOptimize(doc.setText(text));
    }
    state.SetBytesProcessed(state.iterations() * text.toUtf8().size());
}
BENCHMARK(BM_ParseProgramDocument)->Unit(benchmark::kMillisecond);

// The file path: UTF-8 bytes decoded (with detection) and parsed.
void BM_LoadProgramBytes(benchmark::State& state)
{
    const QByteArray bytes = programDocument(1 << 20).toUtf8();
    for (auto _ : state) {
        MarkupDocument doc;
        benchmark::DoNotOptimize(doc.setBytes(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_LoadProgramBytes)->Unit(benchmark::kMillisecond);

// Reading back every program's attributes and child texts, as the reader does.
void BM_ReadProgramDocument(benchmark::State& state)
{
    MarkupDocument doc;
    doc.setText(programDocument(1 << 20));
    const QStringList attributes = { QStringLiteral("check"), QStringLiteral("type"), QStringLiteral("name"),
        QStringLiteral("summary"), QStringLiteral("borderType"), QStringLiteral("borderAspect"),
        QStringLiteral("borderSpeed"), QStringLiteral("borderColor"), QStringLiteral("playCount") };
    const QStringList children = { QStringLiteral("action"), QStringLiteral("speed"), QStringLiteral("stay"),
        QStringLiteral("exitType"), QStringLiteral("arabic"), QStringLiteral("yOffset"),
        QStringLiteral("horAlign"), QStringLiteral("verAlign"), QStringLiteral("charSpacing"),
        QStringLiteral("save") };
    for (auto _ : state) {
        doc.resetPosition();
        doc.findElement();
        doc.enterElement();
        qsizetype total = 0;
        while (doc.findElement(QStringLiteral("Program"))) {
            for (const QString& a : attributes)
                total += doc.attribute(a).size();
            for (const QString& c : children)
                if (doc.findChildElement(c))
                    total += doc.childElementText().size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * doc.text().size());
}
BENCHMARK(BM_ReadProgramDocument)->Unit(benchmark::kMillisecond);

void BM_BuildTwelvePrograms(benchmark::State& state)
{
    const QString save = escapedRtf()
                             .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                             .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                             .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    for (auto _ : state) {
        MarkupDocument doc;
        doc.setText(Declaration);
        doc.appendElement(QStringLiteral("Records"));
        doc.enterElement();
        for (int n = 1; n <= 12; ++n) {
            doc.appendElement(QStringLiteral("Program"));
            doc.setAttribute(QStringLiteral("check"), 1LL);
            doc.setAttribute(QStringLiteral("type"), 0LL);
            doc.setAttribute(QStringLiteral("name"), QStringLiteral("text%1").arg(n));
            doc.setAttribute(QStringLiteral("summary"), QStringLiteral("Welcome"));
            for (const char* field :
                { "borderType", "borderAspect", "borderSpeed", "borderColor", "playCount" })
                doc.setAttribute(QString::fromLatin1(field), 0LL);
            for (const char* child : { "action", "speed", "stay", "exitType", "arabic", "yOffset", "horAlign",
                     "verAlign", "charSpacing" })
                doc.appendChildElement(QString::fromLatin1(child), QStringLiteral("0"));
            doc.appendChildElement(QStringLiteral("save"), save);
        }
        benchmark::DoNotOptimize(doc.text().size());
    }
}
BENCHMARK(BM_BuildTwelvePrograms)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
