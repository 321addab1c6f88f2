// Writing the rich-text model as RTF that the badge's rich edit control
// reads back. The output is pure ASCII and deterministic.
#pragma once

#include "render/RichText.h"

#include <QByteArray>
#include <QString>

namespace tessel {

QByteArray WriteRtf(const RichText& text);

// WriteRtf's bytes (pure ASCII) as the stored string.
QString SaveFromRichText(const RichText& text);

} // namespace tessel
