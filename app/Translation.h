#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages the game speaks besides English, by the names of their files
// (translations/tessaron_<name>.ts, built into the program): "de", "pt_BR". "qps" is the
// pseudo-language of the tests, a code kept for private use, so no player's system asks for it.
QStringList BuiltInTranslations();

// The translation for the first of the player's languages (most wanted first, as
// QLocale::uiLanguages gives them: "de-DE", "pt-BR", "fr") that the game speaks, or an empty
// name for English. English anywhere in the list stops the search: a player who puts it
// before German gets English, not the German further down. A region the game has no file
// for takes the language's file ("de-AT" takes "de", "pt-PT" takes "pt_BR").
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available);

// Installs the game's translation for the system's languages, and Qt's own for the standard
// buttons and dialogs where Qt ships one. Returns the chosen name, empty for English.
QString InstallTranslations(QCoreApplication& app);
