#include "cli/CliSayProgram.h"

#include "encoding/CodePage.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/NewTextFormat.h"
#include "render/RtfWriter.h"

namespace tessel::cli {

QString decodeSayInput(const QByteArray& bytes, int32_t lanID)
{
    if (!isWellFormedUtf8(bytes))
        return decodeCodePage(bytes, ansiCodePageForLanguage(lanID));
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString sayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\n', u'\r');
    while (text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

namespace {

CharFormat formatOf(const AppData& data, const SayChoices& choices)
{
    CharFormat format = NewTextFormat(data);
    if (choices.face)
        format.face = normalizedFaceName(*choices.face);
    format.twips = choices.twips.value_or(format.twips);
    format.textColor = choices.textColour.value_or(format.textColor);
    if (choices.backColour && *choices.backColour != 0) {
        format.hasBackground = true;
        format.backColor = *choices.backColour;
    }
    format.bold = choices.bold;
    format.italic = choices.italic;
    return format;
}

RichText richTextOf(const QString& text, const CharFormat& format, const SayChoices& choices)
{
    RichText rich;
    rich.text = text;
    rich.formats.assign(static_cast<size_t>(text.size()), format);
    rich.paragraphs.assign(
        static_cast<size_t>(text.count(QChar(ParagraphBreak))) + 1, Paragraph { choices.alignment, false });
    rich.insertionFormat = format;
    return rich;
}

} // namespace

Program& makeSayProgram(
    AppData& data, const LanguageTable& texts, const QString& text, const SayChoices& choices)
{
    data.clearPrograms();
    Program& program = *data.addProgram(ItemKind::Text, texts.text(u"text"));
    program.playCount = choices.playCount.value_or(program.playCount);
    program.borderType = choices.borderType.value_or(program.borderType);
    TextItem& item = *program.text();
    item.action = choices.action.value_or(item.action);
    item.speed = choices.speed.value_or(item.speed);
    item.stay = choices.stay.value_or(item.stay);
    item.exitType = choices.exitType.value_or(item.exitType);
    item.arabic = choices.arabic ? 1 : 0;
    item.horAlign = static_cast<uint8_t>(choices.alignment);
    item.save = SaveFromRichText(richTextOf(text, formatOf(data, choices), choices));
    data.setSummaryFromText(&program, text);
    return program;
}

} // namespace tessel::cli
