#include "render/UnknownFace.h"

#include "render/FontSubstitutions.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <mutex>

namespace tessel {

namespace {

// No font is called this; it stands for every name no font has.
const QString StandIn = QStringLiteral("Tessel No Such Face");

// Family names as the font configuration compares them: without case and
// without spaces.
QString comparable(const QString& family)
{
    QString folded = family.toCaseFolded();
    folded.remove(u' ');
    return folded;
}

// Every family name of every installed font, in every language it has.
QSet<QString> installedNames()
{
    QSet<QString> names;
    for (const QString& family : QFontDatabase::families())
        names.insert(comparable(family));
    FcPattern* all = FcPatternCreate();
    FcObjectSet* wanted = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (FcFontSet* fonts = FcFontList(nullptr, all, wanted)) {
        for (int i = 0; i < fonts->nfont; ++i) {
            FcChar8* family = nullptr;
            for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &family) == FcResultMatch; ++n)
                names.insert(comparable(QString::fromUtf8(reinterpret_cast<const char*>(family))));
        }
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(wanted);
    FcPatternDestroy(all);
    return names;
}

// The families the font configuration puts behind the name: the name, then
// its aliases and the defaults.
QStringList configuredFamilies(const QString& family)
{
    QStringList families;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcChar8* name = nullptr;
    for (int n = 0; FcPatternGetString(pattern, FC_FAMILY, n, &name) == FcResultMatch; ++n)
        families << QString::fromUtf8(reinterpret_cast<const char*>(name));
    FcPatternDestroy(pattern);
    return families;
}

struct Knowledge {
    QSet<QString> installed;
    QStringList standInFamilies; // after the stand-in's own name
    QHash<QString, QString> answers;
    std::mutex mutex;
};

Knowledge& knowledge()
{
    static Knowledge known;
    static std::once_flag once;
    std::call_once(once, [] {
        known.installed = installedNames();
        known.standInFamilies = configuredFamilies(StandIn).mid(1);
    });
    return known;
}

bool unknown(const Knowledge& known, const QString& face)
{
    if (known.installed.contains(comparable(face)) || !QFont::substitutes(face).isEmpty())
        return false;
    // Aliases ("sans-serif", a family the configuration maps to another).
    const QStringList families = configuredFamilies(face);
    return !families.isEmpty() && families.front() == face && families.mid(1) == known.standInFamilies;
}

} // namespace

QString FaceToLookUp(const QString& face)
{
    if (face.isEmpty())
        return face;
    InstallFontSubstitutions();
    Knowledge& known = knowledge();
    const std::lock_guard lock(known.mutex);
    if (const auto found = known.answers.constFind(face); found != known.answers.cend())
        return *found;
    // Bounded: a stream of hostile names is answered again rather than kept.
    if (known.answers.size() > 65536)
        known.answers.clear();
    const QString answer = unknown(known, face) ? StandIn : face;
    known.answers.insert(face, answer);
    return answer;
}

} // namespace tessel
