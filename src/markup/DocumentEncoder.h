// The text of a markup document turned into the bytes of its file, in the
// encoding the document declares (UTF-8 when it declares none).
#pragma once

#include "markup/ResultLog.h"

#include <QByteArray>
#include <QStringView>

namespace tessel {

struct EncodedDocument {
    QByteArray bytes;
    QString encoding; // the name the bytes are in
};

EncodedDocument encodeDocument(QStringView text, int ansiCodePage, ResultLog& log);

} // namespace tessel
