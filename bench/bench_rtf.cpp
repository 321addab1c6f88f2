// Reading and writing the RTF of a typical text program: about 100
// characters in three fonts with colours, one paragraph centred.
#include "GuiBenchmarkMain.h"
#include "render/RichTextDocument.h"
#include "render/RtfReader.h"
#include "render/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

const QByteArray typicalProgram
    = "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
      "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss\\fcharset0 Arial;}"
      "{\\f2\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}}\r\n"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red255\\green255\\blue0;}\r\n"
      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
      "\\pard\\qc\\cf1\\f0\\fs18\\lang2052\\'bb\\'b6\\'d3\\'ad\\'ca\\'b9\\'d3\\'c3\\f1\\lang1033  Welcome to "
      "the "
      "\\b\\cf2 spring fair\\b0\\cf1 , open daily from 9 to 18 \\f2\\lang2052\\'d0\\'c2\\'c6\\'b7\\'c9\\'cf"
      "\\'ca\\'d0\\f1\\lang1033  \\cf3\\highlight1\\ul all prices \\u8364?5 off\\ulnone\\highlight0 , "
      "see you there! [A001]\\cf1\\i  Thank you\\i0\\par\r\n}\r\n";

void readRtf(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tessel::ReadRtf(typicalProgram));
}
BENCHMARK(readRtf);

void writeRtf(benchmark::State& state)
{
    const tessel::RichText text = tessel::ReadRtf(typicalProgram);
    for (auto _ : state)
        benchmark::DoNotOptimize(tessel::WriteRtf(text));
}
BENCHMARK(writeRtf);

void documentRoundTrip(benchmark::State& state)
{
    const tessel::RichText text = tessel::ReadRtf(typicalProgram);
    QTextDocument document;
    for (auto _ : state) {
        tessel::RichTextToDocument(text, document);
        benchmark::DoNotOptimize(tessel::RichTextFromDocument(document));
    }
}
BENCHMARK(documentRoundTrip);

// A text whose every character names a face that is not installed, as the
// editor lays it out.
void documentOfUnknownFaces(benchmark::State& state)
{
    tessel::RichText text;
    for (int i = 0; i < 4000; ++i) {
        text.text += QChar(u'a' + i % 26);
        tessel::CharFormat format;
        format.face = QStringLiteral("Unknown Face %1").arg(i);
        format.twips = 180;
        text.formats.push_back(format);
    }
    text.paragraphs.resize(1);
    for (auto _ : state) {
        QTextDocument document;
        tessel::RichTextToDocument(text, document);
        benchmark::DoNotOptimize(document.size());
    }
}
BENCHMARK(documentOfUnknownFaces)->Unit(benchmark::kMillisecond);

} // namespace

TESSEL_GUI_BENCHMARK_MAIN()
