// Two careers driven side by side: every screen works on the Game it was given.
#include "rules/core/Game.h"
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bout/BoutScreen.h"
#include "screens/career/CreationScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "tests/support/DayFixtures.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/Wrestler.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <cstring>

namespace {

QByteArray fileBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A career with its own file, generator and program-long values.
void setUpCareer(Game& game, const QString& folder, const char* firstName, std::uint32_t seed)
{
    QVERIFY(QDir().mkpath(folder));
    game.savePath = (folder + QStringLiteral("/rikishi.r")).toStdString();
    game.roster = makeRoster(1);
    setShikona(game.roster[0], firstName);
    game.rng.seed(seed);
    QVERIFY(game.save());
}

// A game as it stood, with its file.
struct Snapshot {
    Game game;
    QByteArray file;
};

Snapshot snapshot(const Game& game) { return {game, fileBytes(game.savePath)}; }

// The first value in which `game` (or its file) differs from the snapshot;
// empty when none does.
QString firstChange(const Game& g, const Snapshot& before)
{
    const Game& b = before.game;
    const std::pair<const char*, bool> changes[] = {
        {"roster", std::memcmp(g.roster.data(), b.roster.data(), sizeof(Roster)) != 0},
        {"playerCopy", std::memcmp(&g.playerCopy, &b.playerCopy, sizeof(Rikishi)) != 0},
        {"opponentCopy", std::memcmp(&g.opponentCopy, &b.opponentCopy, sizeof(Rikishi)) != 0},
        {"day or pool values", g.curDay != b.curDay || g.lastResultsDay != b.lastResultsDay ||
                                   g.pointPool != b.pointPool || g.playoffWins != b.playoffWins ||
                                   g.playoffLosses != b.playoffLosses},
        {"generator", g.rng.state() != b.rng.state()},
        {"save path", g.savePath != b.savePath},
        {"bar memory", g.bodyScroll.lastHeightPos != b.bodyScroll.lastHeightPos ||
                           g.bodyScroll.lastWeightPos != b.bodyScroll.lastWeightPos},
        {"view number", g.viewNumber != b.viewNumber},
        {"file", fileBytes(g.savePath) != before.file}};
    for (const auto& [name, changed] : changes)
        if (changed)
            return QString::fromLatin1(name);
    return QString();
}

// Clicks through the open bout screen whatever it offers, until it closes;
// a bonus point is spent on strength. The bonus screen opens once, however
// often Bonus is pressed, and is not filled again when the player comes back
// to it. Bonus, then Close, has the focus when offered.
void playBoutThrough(BoutScreen& bout, StatIncreaseScreen& bonus)
{
    ModalDriver driver;
    QObject::connect(&bout, &BoutScreen::bonusWanted, &bonus, &StatIncreaseScreen::open);
    driver.m_hooks[&bonus] = [&bout, &bonus] {
        bout.openBonus();
        bonus.m_statButtons[0]->click();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&bonus, &activate);
        for (QPushButton* b : bonus.m_statButtons)
            QVERIFY(!b->isEnabled());
    };
    for (int i = 0; i < 500 && bout.isVisible(); ++i)
        for (QPushButton* b : {bout.m_bonusButton, bout.m_receiveButton, bout.m_yotsuButton, bout.m_monoiiCloseButton,
                               bout.m_monoiiStartButton, bout.m_monoiiFightButton, bout.m_winButton, bout.m_loseButton, bout.m_closeButton})
            if (b->isVisible()) {
                if (b == bout.m_closeButton || b == bout.m_bonusButton)
                    QCOMPARE(bout.focusWidget(), b);
                b->click();
                break;
            }
    QCOMPARE(driver.openings(&bonus), 1);
}

} // namespace

class TwoGamesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Game m_first;
    Game m_second;

private slots:
    void screensOnOneGameNeverTouchTheOther()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        setUpCareer(m_first, m_dir.filePath(QStringLiteral("first")), "First", 11);
        setUpCareer(m_second, m_dir.filePath(QStringLiteral("second")), "Second", 22);
        m_first.viewNumber = 7;
        m_first.bodyScroll = {185, 125};

        // The day results screen plays day 1 of the second career, its
        // player's bout included.
        Snapshot first = snapshot(m_first);
        FakeBout playerBout;
        FakeBashoEnd bashoEnd;
        DayResultsScreen day(m_second);
        day.beginBasho(); // as at start-up
        day.setPlayerBout(&playerBout);
        day.setBashoEndScreens(&bashoEnd);
        const QByteArray secondFile = fileBytes(m_second.savePath);
        day.openFromMainMenu();
        QCOMPARE(m_second.curDay, 1);
        QVERIFY(day.m_fightButton->isVisible());
        day.fightPlayersBout();
        QCOMPARE(playerBout.fought, 1);
        QVERIFY(fileBytes(m_second.savePath) != secondFile);
        QCOMPARE(firstChange(m_first, first), QString());
        day.close();

        // The bout screen fights a bout of the first career (a far stronger
        // player against a weaker opponent who stands higher: a quick win
        // with a bonus point); the bonus goes to the first career's player
        // even though the bonus screen at hand was made for the second, and
        // Close saves the first career (changed in memory since its last save).
        setUpBonusBout(m_first);
        m_first.roster[0].gmw = 99;
        const Snapshot second = snapshot(m_second);
        StatIncreaseScreen bonus(m_second);
        BoutScreen bout(m_first);
        bout.show();
        playBoutThrough(bout, bonus);
        QVERIFY(!bout.isVisible());
        QCOMPARE(m_first.playerCopy.baseStrength, 8);
        QCOMPARE(m_first.pointPool, 0);
        Game saved;
        saved.savePath = m_first.savePath;
        QCOMPARE(saved.load(), LoadResult::Loaded);
        QCOMPARE(saved.roster[0].gmw, 99);
        QCOMPARE(firstChange(m_second, second), QString());

        // The creation screen's bar memory and the viewer's number are each
        // career's own.
        first = snapshot(m_first);
        CreationScreen creation(m_second);
        QTest::keyClick(creation.m_weightBar, Qt::Key_PageDown);
        QCOMPARE(m_second.bodyScroll.lastWeightPos, 120);
        RikishiViewer viewer(m_second);
        viewer.showRikishi(12);
        QCOMPARE(m_second.viewNumber, 12);
        QCOMPARE(viewer.m_shikonaLabel->text(), QStringLiteral("R11"));
        QCOMPARE(firstChange(m_first, first), QString());
        viewer.close();
    }
};

QTEST_MAIN(TwoGamesTest)
#include "TwoGamesTest.moc"
