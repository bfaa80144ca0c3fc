#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "app/GameText.h"
#include "app/Main.h"
#include "app/ResultAnnouncement.h"
#include "app/ShownText.h"
#include "app/Translation.h"
#include "app/options/option.h"
#include "net/NetworkGame.h"
#include "net/ReceivedMove.h"
#include "net/SocketErrors.h"
#include "rules/Layouts.h"
#include "tests/RecordingPlatform.h"

namespace {

// One of the game's translations installed for the length of a test.
class Language {
  public:
    explicit Language(const QString& name) {
        m_loaded = m_translator.load(QStringLiteral(":/i18n/tessaron_") + name);
        if (m_loaded) QCoreApplication::installTranslator(&m_translator);
    }
    ~Language() {
        if (m_loaded) QCoreApplication::removeTranslator(&m_translator);
    }
    bool Loaded() const { return m_loaded; }

  private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// A pseudo-translated text is bracketed; its places were filled with the values.
bool IsPseudo(const QString& text) {
    return text.startsWith('[') && text.endsWith(']');
}

TEST(ChooseTranslation, FollowsThePlayersLanguagesWithEnglishFirstWhereverItStands) {
    struct Case {
        QStringList Wanted;
        QString Chosen;
    };
    for (const Case& c : std::vector<Case>{
             {{"de-DE", "de", "en-US"}, "de"},
             {{"de_DE.UTF-8"}, "de"},
             {{"de-AT"}, "de"},
             {{"de-Latn-CH"}, "de"},
             {{"fr"}, "fr"},
             {{"pt-BR"}, "pt_BR"},
             {{"pt-PT"}, "pt_BR"},
             {{"nl-BE"}, "nl"},
             {{"ja-JP", "it-IT"}, "it"},
             {{"qps"}, "qps"},
             {{"en-US", "de-DE"}, ""},
             {{"en"}, ""},
             {{"C"}, ""},
             {{"ja-JP"}, ""},
             {{}, ""},
         })
        EXPECT_EQ(ChooseTranslation(c.Wanted, {"de", "es", "fr", "it", "nl", "pt_BR", "qps"}), c.Chosen)
            << c.Wanted.join(',').toStdString();
}

TEST(Translations, EveryLanguageIsBuiltIntoTheProgram) {
    EXPECT_EQ(BuiltInTranslations(), QStringList({"de", "es", "fr", "it", "nl", "pt_BR", "qps"}));
    for (const QString& name : BuiltInTranslations()) {
        Language language(name);
        ASSERT_TRUE(language.Loaded()) << name.toStdString();
        // A text of every window goes through the file.
        EXPECT_NE(QCoreApplication::translate("MainMenu", "Start"), "Start") << name.toStdString();
        // The file dialogs read the saved games' suffix from their filter.
        const QString filter =
            QCoreApplication::translate("MovesMenu", "Tessaron games (*.tgame);;All files (*)");
        EXPECT_TRUE(filter.contains(QRegularExpression(R"(^[^;]*\(\*\.tgame\);;[^;]*\(\*\)$)")))
            << name.toStdString() << ": " << filter.toStdString();
    }
}

TEST(ShownText, LeavesEnglishExactlyAsItIs) {
    for (int i = 0; i < ShownTextCount(); ++i)
        EXPECT_EQ(ShownText(QString::fromUtf8(ShownTextAt(i))), QString::fromUtf8(ShownTextAt(i)));
    EXPECT_EQ(
        ShownText(QStringLiteral("Line 3: the move 5-3-6-4-1 is not legal for player 2 in this position")),
        "Line 3: the move 5-3-6-4-1 is not legal for player 2 in this position");
    EXPECT_EQ(ShownText(QStringLiteral("something no table holds")), "something no table holds");
}

// Whatever the plain parts can say reaches the player translated: a text missing from the
// table, or a pattern that no longer matches what the code writes, stays English here.
TEST(ShownText, TranslatesEverythingThePlainPartsSay) {
    Language pseudo(QStringLiteral("qps"));
    ASSERT_TRUE(pseudo.Loaded());
    std::vector<std::string> said;
    for (GameResult result :
         {GameResult::Player1Won, GameResult::Player2Won, GameResult::WonAsPlayer1, GameResult::LostToPlayer1,
          GameResult::WonAsPlayer2, GameResult::LostToPlayer2, GameResult::Draw})
        said.emplace_back(AnnouncementOf(result).Message);
    for (int code = 10000; code <= 11010; ++code)
        said.emplace_back(SocketErrorText(code));
    const std::string game = GameText(1, PlayerConfig{}, GameRecord(GamePosition{StartingGrid(1), 1}));
    for (const std::string& file :
         {std::string(), std::string("Tessaron game 1\n"), std::string("Chess\n"),
          std::string("Tessaron game x\n"), std::string("Tessaron game 7\n"),
          std::string("Tessaron game 1\nlayout Round\n"),
          game.substr(0, game.find("player 2")) + "player 2 Robot\n",
          game.substr(0, game.find("moves")) + "moved\n", game.substr(0, game.find("end")) + "5-3-x\nend\n",
          game.substr(0, game.find("end")) + "1-1-1-2-1\nend\n", game + "more\n"}) {
        const auto read = ReadGameText(file);
        ASSERT_TRUE(std::holds_alternative<GameFileError>(read)) << file;
        said.push_back(std::get<GameFileError>(read).Text());
    }
    ReceiveSituation situation;
    situation.Grid = StartingGrid(1);
    for (const char* line : {"a-b-c-d-1", "0-0-0-0-1", "5-3-5-5-1", "5-3-5-4-1"})
        said.push_back(JudgeReceivedMove(line, situation).StatusText);
    situation.GameRunning = true;
    for (const char* line : {"5-3-5-4-1", "1-1-1-2-1"}) {
        said.push_back(JudgeReceivedMove(line, situation).StatusText);
        situation.CurrentPlayer = 2;
    }
    said.push_back("Failed to get data for 'Type1'");
    for (const std::string& english : said) {
        ASSERT_FALSE(english.empty());
        const QString shown = ShownText(english);
        EXPECT_TRUE(shown.contains('[') && !shown.contains(QString::fromStdString(english)))
            << english << " -> " << shown.toStdString();
    }
}

TEST(ShownText, KeepsWhatAPeerOrAFileWroteAsItCame) {
    Language pseudo(QStringLiteral("qps"));
    ASSERT_TRUE(pseudo.Loaded());
    // The peer's line is a text of the table; in the status line it stays the peer's.
    const QString refused =
        ShownText(QStringLiteral("Refused move \"Host not found\": its fields are not numbers"));
    EXPECT_TRUE(refused.contains("\"Host not found\"") || refused.contains("Host not found"))
        << refused.toStdString();
    EXPECT_FALSE(refused.contains("its fields")) << refused.toStdString();
    // A value holding a place is not filled again.
    const QString port = ShownText(QStringLiteral("'%2x' is not a valid port number"));
    EXPECT_TRUE(port.contains("%2x")) << port.toStdString();
    EXPECT_TRUE(IsPseudo(ShownText(QStringLiteral("Trying to connect to example at port 1024"))));
}

// The note at the end of a chat text cut short is the program's and is translated; the same
// line written by the peer is not.
TEST(ShownText, TranslatesTheNoteOfACutChatTextOnly) {
    const std::string long_text(2100, 'a');
    const std::string forged = "hello\n[3 more characters not shown]";
    EXPECT_EQ(ChatTextShown(long_text), QString::fromStdString(ChatTextForDisplay(long_text)));
    Language pseudo(QStringLiteral("qps"));
    ASSERT_TRUE(pseudo.Loaded());
    const QString cut = ChatTextShown(long_text);
    EXPECT_TRUE(cut.startsWith(QString(80, 'a'))) << cut.left(90).toStdString();
    EXPECT_TRUE(cut.endsWith(']') && cut.contains("100") && !cut.contains("more characters"))
        << cut.right(40).toStdString();
    EXPECT_EQ(ChatTextShown(forged), QString::fromStdString(forged));
}

// The menu bar's accelerators differ in every language, and the items keep having none.
TEST(Translations, MenuAcceleratorsStayDistinct) {
    for (const QString& name : BuiltInTranslations()) {
        Language language(name);
        RecordingPlatform platform;
        TForm1 form(platform);
        QSet<QChar> keys;
        for (QAction* title : form.menuBar()->actions()) {
            const QString text = title->text();
            const qsizetype at = text.indexOf('&');
            ASSERT_TRUE(at >= 0 && at + 1 < text.size()) << name.toStdString() << ": " << text.toStdString();
            const QChar key = text[at + 1].toLower();
            EXPECT_TRUE(key.isLetter() && key.unicode() < 128)
                << name.toStdString() << ": " << text.toStdString();
            EXPECT_FALSE(keys.contains(key)) << name.toStdString() << ": " << text.toStdString();
            keys.insert(key);
            for (QAction* item : title->menu()->actions())
                EXPECT_FALSE(item->text().contains('&'))
                    << name.toStdString() << ": " << item->text().toStdString();
        }
        EXPECT_EQ(keys.size(), 4) << name.toStdString();
    }
}

// The Players dialog keeps its size in every language, each control whole inside it: a
// translation that does not fit is shortened. The pseudo-language is no player's and only
// makes the texts longer.
TEST(Translations, PlayersDialogKeepsItsSizeWithEveryControlWhole) {
    for (const QString& name : BuiltInTranslations()) {
        if (name == QLatin1String("qps")) continue;
        Language language(name);
        TOptions dialog;
        dialog.show();
        EXPECT_EQ(dialog.size(), QSize(431, 347)) << name.toStdString();
        for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow()) continue;
            const QWidget* parent = widget->parentWidget();
            EXPECT_TRUE(parent->rect().contains(widget->geometry())) << name.toStdString();
            const QSize needed = widget->minimumSizeHint();
            if (needed.isValid() && !qobject_cast<const QAbstractSpinBox*>(parent)) {
                EXPECT_TRUE(widget->width() >= needed.width() && widget->height() >= needed.height())
                    << name.toStdString() << ": " << widget->metaObject()->className() << " is squeezed";
            }
        }
    }
}

} // namespace
