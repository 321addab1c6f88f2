// The bytes of a markup file turned into text: byte-order marks, the declared
// encoding, UTF-8 detection and the ANSI fallback, with every step logged.
#pragma once

#include "markup/ResultLog.h"

#include <QByteArrayView>
#include <QString>

namespace tessel {

QString decodeDocument(QByteArrayView bytes, int ansiCodePage, ResultLog& log);

} // namespace tessel
