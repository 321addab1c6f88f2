#include "markup/DocumentEncoder.h"

#include "encoding/CodePage.h"
#include "encoding/EncodingName.h"
#include "markup/DeclaredEncoding.h"

namespace tessel {

namespace {

// Code pages whose conversion gives no report of lost characters.
bool reportsLoss(int codePage)
{
    if ((codePage >= 50220 && codePage <= 50222) || codePage == 50225 || codePage == 50227
        || codePage == 50229)
        return false;
    if (codePage == 52936 || codePage == 54936 || (codePage >= 57002 && codePage <= 57011))
        return false;
    return codePage != CodePageUtf7 && codePage != CodePageUtf8;
}

} // namespace

EncodedDocument encodeDocument(QStringView text, int ansiCodePage, ResultLog& log)
{
    EncodedDocument encoded;
    encoded.encoding = declaredEncoding(text);
    if (encoded.encoding.isEmpty())
        encoded.encoding = QStringLiteral("UTF-8");
    const int codePage = codePageForEncodingName(encoded.encoding, ansiCodePage);
    log.add({ .event = "converted_from",
        .textName = "encoding",
        .text = QStringLiteral("UTF-16"),
        .numberName = "length",
        .number = text.size() });
    bool lossy = false;
    encoded.bytes = encodeCodePage(text, codePage, &lossy);
    if (lossy && reportsLoss(codePage))
        log.add({ .event = "conversion_loss" });
    return encoded;
}

} // namespace tessel
