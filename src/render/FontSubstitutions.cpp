#include "render/FontSubstitutions.h"

#include <QFont>
#include <QStringList>
#include <mutex>

namespace tessel {

namespace {

const QString SansFace = QStringLiteral("Liberation Sans");
const QString SerifFace = QStringLiteral("Liberation Serif");
const QString MonoFace = QStringLiteral("Liberation Mono");
const QString CjkFace = QStringLiteral("WenQuanYi Zen Hei");
const QString ArabicFace = QStringLiteral("DejaVu Sans");

void substitute(const QString& face, const QString& installed)
{
    // The CJK face also covers what the Latin faces lack, and DejaVu the Arabic.
    QFont::insertSubstitutions(face, { installed, CjkFace, ArabicFace });
}

} // namespace

void InstallFontSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* face : { "Arial", "Arial Black", "Arial Narrow", "Helvetica", "MS Sans Serif",
                 "Microsoft Sans Serif", "Segoe UI", "Tahoma", "Verdana", "Calibri", "Trebuchet MS",
                 "Century Gothic", "System", "Fixedsys" })
            substitute(QString::fromLatin1(face), SansFace);
        for (const char* face : { "Times New Roman", "Times", "MS Serif", "Georgia", "Cambria",
                 "Book Antiqua", "Garamond", "Palatino Linotype" })
            substitute(QString::fromLatin1(face), SerifFace);
        for (const char* face : { "Courier New", "Courier", "Consolas", "Lucida Console", "Terminal" })
            substitute(QString::fromLatin1(face), MonoFace);
        for (const char* face : { "Arabic Transparent", "Traditional Arabic", "Simplified Arabic",
                 "Arabic Typesetting", "Andalus", "Tahoma Arabic" })
            substitute(QString::fromLatin1(face), ArabicFace);
        // Chinese, Japanese and Korean faces, by their Latin and their native names.
        for (const char16_t* face : { u"宋体", u"新宋体", u"黑体", u"微软雅黑", u"楷体", u"仿宋", u"SimSun",
                 u"NSimSun", u"SimHei", u"Microsoft YaHei", u"KaiTi", u"FangSong", u"PMingLiU", u"新細明體",
                 u"MingLiU", u"細明體", u"Microsoft JhengHei", u"微軟正黑體", u"DFKai-SB", u"MS Gothic",
                 u"ＭＳ ゴシック", u"MS PGothic", u"ＭＳ Ｐゴシック", u"MS Mincho", u"ＭＳ 明朝",
                 u"MS UI Gothic", u"Meiryo", u"メイリオ", u"Yu Gothic", u"Malgun Gothic", u"맑은 고딕",
                 u"Gulim", u"굴림", u"GulimChe", u"Dotum", u"돋움", u"Batang", u"바탕", u"Gungsuh", u"궁서" })
            substitute(QString::fromUtf16(face), CjkFace);
    });
}

} // namespace tessel
