#include "app/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// "pt-BR", "pt_BR" and "PT-br" name one language; "de-Latn-AT" has a script between.
struct LanguageTag {
    QString Language;
    QString Region;
};

LanguageTag SplitTag(const QString& tag) {
    const QStringList parts = QString(tag).replace('_', '-').split('-', Qt::SkipEmptyParts);
    LanguageTag split;
    if (parts.isEmpty()) return split;
    split.Language = parts.front().toLower();
    // The region is the part of two letters or three digits after the language; a script
    // ("Latn") or a variant is skipped. A codeset or modifier ("de_DE.UTF-8@euro") is cut.
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString part = parts[i].section('.', 0, 0).section('@', 0, 0);
        if (part.size() == 2 || (part.size() == 3 && part.front().isDigit())) {
            split.Region = part.toUpper();
            break;
        }
    }
    split.Language = split.Language.section('.', 0, 0).section('@', 0, 0);
    return split;
}

// The standard buttons of the boxes the game opens (a result's OK, How to Play's Close, the
// chat's OK and Cancel, the file dialogs' Save and Open) are named by Qt; its files name
// them for the real languages, and the game's files, asked first, name them too.
[[maybe_unused]] const char* const StandardButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"), QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"), QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open")};

} // namespace

QStringList BuiltInTranslations() {
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tessaron_*.qm")}))
        names << file.mid(9).chopped(3); // "tessaron_pt_BR.qm" -> "pt_BR"
    return names;
}

QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available) {
    for (const QString& wanted : uiLanguages) {
        const LanguageTag tag = SplitTag(wanted);
        if (tag.Language.isEmpty()) continue;
        if (tag.Language == QLatin1String("en") || tag.Language == QLatin1String("c")) return {};
        // The file for the language and region first, then any file of the language.
        for (const QString& name : available)
            if (const LanguageTag file = SplitTag(name);
                file.Language == tag.Language && file.Region == tag.Region)
                return name;
        for (const QString& name : available)
            if (SplitTag(name).Language == tag.Language) return name;
    }
    return {};
}

QString InstallTranslations(QCoreApplication& app) {
    const QString chosen = ChooseTranslation(QLocale().uiLanguages(), BuiltInTranslations());
    if (chosen.isEmpty()) return {};
    auto* game = new QTranslator(&app);
    if (!game->load(QStringLiteral(":/i18n/tessaron_") + chosen)) {
        delete game;
        return {};
    }
    // Qt's own first, so that the game's file, installed last and so asked first, can name
    // the standard buttons where Qt has no file (the pseudo-language).
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(game);
    return chosen;
}
