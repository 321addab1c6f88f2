#include "ui/mainframe/QtTranslations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>

namespace tessel {

QtTranslations::QtTranslations()
    : translator_(std::make_unique<QTranslator>())
{
}

QtTranslations::~QtTranslations()
{
    if (installed_)
        QCoreApplication::removeTranslator(translator_.get());
}

QLocale QtTranslations::localeFor(int32_t lanID)
{
    switch (lanID) {
    case 1025:
        return QLocale(QLocale::Arabic, QLocale::SaudiArabia);
    case 1028:
    case 3076:
        return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    case 1031:
        return QLocale(QLocale::German, QLocale::Germany);
    case 1034:
    case 3082:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case 1041:
        return QLocale(QLocale::Japanese, QLocale::Japan);
    case 1042:
        return QLocale(QLocale::Korean, QLocale::SouthKorea);
    case 2052:
        return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

void QtTranslations::use(int32_t lanID)
{
    if (installed_) {
        QCoreApplication::removeTranslator(translator_.get());
        installed_ = false;
    }
    // A fresh translator: loading over an installed one keeps stale texts.
    translator_ = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator_->load(localeFor(lanID), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        installed_ = QCoreApplication::installTranslator(translator_.get());
    // A right-to-left language mirrors every window; Qt's own catalogue is
    // not asked, the language chosen decides.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        app->setLayoutDirection(localeFor(lanID).textDirection());
}

} // namespace tessel
