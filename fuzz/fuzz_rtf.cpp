// Reads any bytes as RTF, writes the result and reads that again: the second
// reading must give the same characters, formats and paragraphs.
#include "render/RtfReader.h"
#include "render/RtfWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool sameText(const tessel::RichText& a, const tessel::RichText& b)
{
    return a.text == b.text && a.formats == b.formats && a.paragraphs == b.paragraphs
        && a.insertionFormat == b.insertionFormat;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const tessel::RichText first = tessel::ReadRtf(bytes);
    if (first.formats.size() != static_cast<size_t>(first.text.size())
        || first.paragraphs.size()
            != static_cast<size_t>(first.text.count(QChar(tessel::ParagraphBreak))) + 1)
        std::abort();
    const QByteArray rtf = tessel::WriteRtf(first);
    const tessel::RichText second = tessel::ReadRtf(rtf);
    if (!sameText(first, second)) {
        std::fprintf(stderr, "round trip differs; written:\n%s\n", rtf.constData());
        std::abort();
    }
    return 0;
}
