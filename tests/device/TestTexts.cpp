#include "TestTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tessel::test {

const LanguageTable& TestTexts()
{
    static const LanguageTable table = [] {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("language"));
        QFile file(dir.filePath(QStringLiteral("language/english.ini")));
        file.open(QIODevice::WriteOnly);
        QByteArray lines = "[English]\r\nscreenParaTitle=SCREEN PARAMETERS\r\nserialChosen=SERIAL\r\n";
        for (int i = 0; i < 18; ++i)
            lines += QStringLiteral("msg%1=MSG%1\r\n").arg(i).toUtf8();
        for (int i = 0; i < 38; ++i)
            lines += QStringLiteral("tip%1=TIP%1\r\n").arg(i).toUtf8();
        file.write(lines);
        file.close();
        LanguageTable texts;
        texts.load(dir.path() + QLatin1Char('/'), 1033);
        return texts;
    }();
    return table;
}

} // namespace tessel::test
