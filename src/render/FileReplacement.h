// Replacing a file whole: the new content goes to a temporary file in the
// same folder, which is then renamed over the old one, so a reader never
// sees half a file. No sync to disk: the preview picture is rewritten on
// every keystroke and is worth nothing after a crash.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace tessel {

bool ReplaceFileWith(const QString& path, QByteArrayView bytes);

// The content of `source`, byte for byte, streamed in pieces.
bool ReplaceFileWithCopy(const QString& path, const QString& source);

} // namespace tessel
