// The bout screen and the bonus screen, clicked through on the offscreen platform.
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bout/ScreenPlayerBout.h"
#include "screens/bout/BoutScreen.h"

#include "rules/bout/BoutEngine.h"
#include "rules/core/Game.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>

namespace {

// The exchange buttons by object name, in the order of the strategy codes.
const char* const kExchangeButtonNames[] = {"oshiButton",   "yotsuButton",       "tsuppariButton",
                                            "tenageButton", "hatakikomiButton", "defenseButton"};

Rikishi wrestler(const char* name, std::int32_t slot, std::int32_t level)
{
    Rikishi r{};
    setShikona(r, name);
    r.strength = r.baseStrength = level;
    r.agility = r.baseAgility = level;
    for (auto field : {&Rikishi::tachiai, &Rikishi::jump, &Rikishi::receive, &Rikishi::hatakikomi,
                       &Rikishi::tsuppari, &Rikishi::oshi, &Rikishi::yotsu, &Rikishi::tenage, &Rikishi::defense,
                       &Rikishi::stamina, &Rikishi::intangibles})
        r.*field = level;
    r.skill = 13 * level;
    r.power = 4 * level;
    r.slot = slot;
    r.weight = 150;
    r.tachiaiStrategy1 = 1;
    r.tachiaiStrategy2 = 3;
    r.boutStrategy1 = 2;
    r.boutStrategy2 = 1;
    r.boutStrategy3 = 6;
    return r;
}

// Runs `action` once the next modal screen's event loop turns; closes the
// screen should the action have left it open, so a failure never hangs.
void whenOpen(QDialog* screen, std::function<void()> action)
{
    QTimer::singleShot(0, screen, [screen, action] {
        action();
        if (screen->isVisible())
            screen->done(QDialog::Rejected);
    });
}

QString barColour(const QFrame* bar) { return bar->palette().color(QPalette::Window).name(); }

} // namespace

class FightScreenTest : public QObject {
    Q_OBJECT
    Game m_game;   // the career these screens work on
private slots:
    void init();
    void cleanup();
    void wholeBoutsShowWhatTheEngineComputes();
    void theFrameCannotCloseABoutBeforeItsResult();
    void letterKeysPressTheOfferedButtonOnce();
    void bonusOpensTheStatIncreaseOnceAndFillsItOnce();
    void pictures();

private:
    // Compares every caption, visibility, bar and the focus with the view.
    void expectView(const BoutView& v);
    void grabIfWanted(const char* name, QWidget* screen = boutScreen);
    // Clicks one bout through the open screen, replaying each click on the
    // model engine and comparing the screen with it after every step.
    void playBout(BoutEngine& engine, Game& model);

    int m_wins = 0;
    int m_losses = 0;
    int m_monoii = 0;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
};

void FightScreenTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    Game& game = m_game;
    game = Game();
    for (std::size_t i = 0; i < kRosterSize; ++i)
        game.roster[i] = wrestler("Comp", static_cast<std::int32_t>(i), 5);
    statIncreaseScreen = new StatIncreaseScreen(m_game);
    boutScreen = new BoutScreen(m_game);
}

void FightScreenTest::cleanup()
{
    delete boutScreen;
    delete statIncreaseScreen;
    boutScreen = nullptr;
    statIncreaseScreen = nullptr;
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

void FightScreenTest::grabIfWanted(const char* name, QWidget* screen)
{
    // KIRIMAKI_SCREENSHOTS=dir keeps pictures of the real screen.
    const QByteArray dir = qgetenv("KIRIMAKI_SCREENSHOTS");
    if (!dir.isEmpty())
        QVERIFY(screen->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name)));
}

void FightScreenTest::expectView(const BoutView& v)
{
    BoutScreen* f = boutScreen;
    const std::pair<QLabel*, const std::string&> captions[] = {
        {f->UserShikonaLabel, v.userShikona}, {f->CompShikonaLabel, v.compShikona},
        {f->TimeElapsedLabel, v.timeElapsed}, {f->UserStrategyLabel, v.userStrategy},
        {f->CompStrategyLabel, v.compStrategy}, {f->UserPoints, v.userPoints},
        {f->CompPoints, v.compPoints},          {f->Outcome, v.outcome}};
    for (const auto& [label, text] : captions)
        QCOMPARE(label->text(), toQt(text));
    if (v.endLabel)
        QCOMPARE(f->EndLabel->text(), toQt(v.endText));
    const std::pair<QWidget*, bool> shown[] = {
        {f->EndLabel, v.endLabel},       {f->UserStrategyLabel, v.boutLabels}, {f->CompStrategyLabel, v.boutLabels},
        {f->UserPoints, v.boutLabels},   {f->CompPoints, v.boutLabels},        {f->Outcome, v.boutLabels},
        {f->m_jumpButton, v.tachiaiButtons},  {f->m_receiveButton, v.tachiaiButtons},       {f->m_tachiaiTsuppariButton, v.tachiaiButtons},
        {f->m_henkaButton, v.tachiaiButtons},  {f->m_oshiButton, v.exchangeButtons},      {f->m_yotsuButton, v.exchangeButtons},
        {f->m_tsuppariButton, v.exchangeButtons}, {f->m_tenageButton, v.exchangeButtons},      {f->m_hatakikomiButton, v.exchangeButtons},
        {f->m_defenseButton, v.exchangeButtons}, {f->MonoiiClose, v.monoiiClose},     {f->MonoiiStart, v.monoiiStart},
        {f->MonoiiFight, v.monoiiFight}, {f->WinButton, v.win},                {f->LoseButton, v.lose},
        {f->CloseButton, v.close},       {f->BonusButton, v.bonus}};
    for (const auto& [widget, visible] : shown)
        QVERIFY2(widget->isVisible() == visible, qPrintable(widget->objectName()));
    for (int i = 0; i < kResultLabelCount; ++i) {
        auto* label = f->findChild<QLabel*>(QString::fromLatin1(resultLabelName(static_cast<ResultLabel>(i))));
        QVERIFY(label);
        QCOMPARE(label->isVisible(), v.resultLabels[static_cast<std::size_t>(i)]);
        QCOMPARE(label->text(), QString::fromLatin1(resultLabelCaption(static_cast<ResultLabel>(i))));
    }
    for (const auto& [bar, model] : {std::pair<QFrame*, GenkiBar>{f->UserGenkiBar, v.userBar},
                                     std::pair<QFrame*, GenkiBar>{f->CompGenkiBar, v.compBar}}) {
        QCOMPARE(bar->width(), model.width);
        QCOMPARE(barColour(bar), QLatin1String(model.colour == BarColour::Blue ? "#0000ff" : "#ff0000"));
    }
    QPushButton* focused = qobject_cast<QPushButton*>(f->focusWidget());
    QVERIFY(focused);
    QVERIFY(focused->isVisible());
}

void FightScreenTest::wholeBoutsShowWhatTheEngineComputes()
{
    // Several seeds, so that wins, losses and close finishes all pass by;
    // each bout is clicked on the screen and replayed on a model engine.
    BoutEngine engine;   // like the screen's, it lives through all the bouts
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        // Weak, even wrestlers end many bouts close to zero genki.
        Game& game = m_game;
        game.playerCopy = wrestler("Kiriyama", 39, 2 + static_cast<std::int32_t>(seed % 3));
        game.opponentCopy = wrestler("Comp38", 38, 3);
        game.curDay = 15;
        game.rng.seed(seed);
        Game model = game;

        QTimer::singleShot(0, boutScreen, [&] {
            playBout(engine, model);
            if (boutScreen->isVisible())
                boutScreen->done(QDialog::Rejected);
        });
        ScreenPlayerBout bout;
        bout.fight(game);
        QVERIFY(!boutScreen->isVisible());

        // The same bout, the same records, the same generator.
        QCOMPARE(std::memcmp(&game.playerCopy, &model.playerCopy, sizeof(Rikishi)), 0);
        QCOMPARE(std::memcmp(&game.opponentCopy, &model.opponentCopy, sizeof(Rikishi)), 0);
        QCOMPARE(game.rng.state(), model.rng.state());
        QCOMPARE(game.playerCopy.gmw + game.playerCopy.gml, 1);
        // Close saved the roster as it stands in memory.
        QFile saved(QStringLiteral("rikishi.r"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.size(), static_cast<int>(sizeof(Roster)));
        QCOMPARE(std::memcmp(bytes.constData(), game.roster.data(), sizeof(Roster)), 0);
    }
    qInfo("%d wins, %d losses, %d mono-ii", m_wins, m_losses, m_monoii);
    QVERIFY(m_wins > 0);
    QVERIFY(m_losses > 0);
    QVERIFY(m_monoii > 0);
}

void FightScreenTest::playBout(BoutEngine& engine, Game& model)
{
    engine.setUp(model);
    expectView(engine.view());
    for (int turn = 0; turn < 500 && boutScreen->isVisible(); ++turn) {
        const BoutView& v = engine.view();
        if (v.tachiaiButtons) {
            const int code = 1 + turn % 4;
            QTest::mouseClick(std::array<QPushButton*, 4>{boutScreen->m_jumpButton, boutScreen->m_receiveButton, boutScreen->m_tachiaiTsuppariButton,
                                                          boutScreen->m_henkaButton}[code - 1], Qt::LeftButton);
            engine.tachiai(model, code);
        } else if (v.exchangeButtons) {
            const int code = 1 + (turn * 5) % 6;
            QTest::mouseClick(boutScreen->findChild<QPushButton*>(QString::fromLatin1(kExchangeButtonNames[code - 1])),
                              Qt::LeftButton);
            engine.exchange(model, code);
        } else if (v.monoiiClose) {
            QTest::mouseClick(boutScreen->MonoiiClose, Qt::LeftButton);
            engine.callMonoii();
            ++m_monoii;
        } else if (v.monoiiStart) {
            QTest::mouseClick(boutScreen->MonoiiStart, Qt::LeftButton);
            engine.judgesDecide(model);
        } else if (v.monoiiFight) {
            QTest::mouseClick(boutScreen->MonoiiFight, Qt::LeftButton);
            engine.toriNaoshi(model);
        } else if (v.win) {
            QTest::mouseClick(boutScreen->WinButton, Qt::LeftButton);
            engine.recordWin(model);
            ++m_wins;
        } else if (v.lose) {
            QTest::mouseClick(boutScreen->LoseButton, Qt::LeftButton);
            engine.recordLoss(model);
            ++m_losses;
        } else if (v.bonus) {
            whenOpen(statIncreaseScreen, [] { statIncreaseScreen->finish(); });
            QTest::mouseClick(boutScreen->BonusButton, Qt::LeftButton);
            engine.bonusSpent();
        } else {
            QVERIFY(v.close);
            QTest::mouseClick(boutScreen->CloseButton, Qt::LeftButton);
            engine.close();
            break;
        }
        expectView(engine.view());
    }
}

void FightScreenTest::theFrameCannotCloseABoutBeforeItsResult()
{
    Game& game = m_game;
    game.playerCopy = wrestler("Kiriyama", 39, 20);
    game.opponentCopy = wrestler("Comp38", 38, 1);
    game.curDay = 3;
    boutScreen->show();
    QVERIFY(boutScreen->m_receiveButton->isVisible());
    boutScreen->close();
    QVERIFY(boutScreen->isVisible());

    for (int i = 0; i < 100 && !boutScreen->WinButton->isVisible() && !boutScreen->LoseButton->isVisible(); ++i) {
        for (QPushButton* b : {boutScreen->m_receiveButton, boutScreen->m_yotsuButton, boutScreen->MonoiiClose, boutScreen->MonoiiStart,
                               boutScreen->MonoiiFight})
            if (b->isVisible()) {
                b->click();
                break;
            }
    }
    QVERIFY(boutScreen->WinButton->isVisible() || boutScreen->LoseButton->isVisible());
    boutScreen->close();
    QVERIFY(boutScreen->isVisible());

    // A hidden button's click (a late mnemonic) does nothing.
    const std::int32_t wins = game.playerCopy.cbw;
    boutScreen->judgesDecide();
    boutScreen->chooseTachiai(boutScreen->m_jumpButton);
    if (boutScreen->WinButton->isVisible()) {
        boutScreen->recordWin();
        boutScreen->recordWin();
        QCOMPARE(game.playerCopy.cbw, wins + 1);
    } else {
        boutScreen->recordLoss();
        boutScreen->recordLoss();
        QCOMPARE(game.playerCopy.cbl, 1);
    }
    boutScreen->close();
    QVERIFY(!boutScreen->isVisible());
}

void FightScreenTest::letterKeysPressTheOfferedButtonOnce()
{
    Game& game = m_game;
    game.playerCopy = wrestler("Kiriyama", 39, 20);
    game.opponentCopy = wrestler("Comp38", 38, 20);
    game.playerCopy.power = game.opponentCopy.power = 5000;   // a long bout
    boutScreen->show();
    QVERIFY(QTest::qWaitForWindowExposed(boutScreen));

    QTest::keyClick(boutScreen, Qt::Key_R);
    QVERIFY(boutScreen->UserStrategyLabel->text().startsWith(QStringLiteral("Kiriyama's strategy: Receive")));
    QVERIFY(boutScreen->m_oshiButton->isVisible());
    QCOMPARE(boutScreen->focusWidget(), boutScreen->m_yotsuButton);

    // T is Tsuppari in both phases; only the exchange's button is offered now.
    QTest::keyClick(boutScreen, Qt::Key_T);
    QVERIFY(boutScreen->UserStrategyLabel->text().startsWith(QStringLiteral("Kiriyama's strategy: Tsuppari")));
    const QString time = boutScreen->TimeElapsedLabel->text();
    QTest::keyClick(boutScreen, Qt::Key_J);   // the tachiai's Jump is not offered
    QCOMPARE(boutScreen->TimeElapsedLabel->text(), time);
    QTest::keyClick(boutScreen, Qt::Key_N);
    QVERIFY(boutScreen->UserStrategyLabel->text().startsWith(QStringLiteral("Kiriyama's strategy: Tenage")));

    // A held key presses once; Enter presses the focused button (Yotsu).
    const QString before = boutScreen->TimeElapsedLabel->text();
    QKeyEvent held(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, QStringLiteral("o"), true);
    QApplication::sendEvent(boutScreen, &held);
    QCOMPARE(boutScreen->TimeElapsedLabel->text(), before);
    QTest::keyClick(boutScreen, Qt::Key_Return);
    QVERIFY(boutScreen->UserStrategyLabel->text().startsWith(QStringLiteral("Kiriyama's strategy: Yotsu")));
    QVERIFY(boutScreen->TimeElapsedLabel->text() != before);
    boutScreen->hide();
}

void FightScreenTest::bonusOpensTheStatIncreaseOnceAndFillsItOnce()
{
    // A far stronger player against an opponent 10 power above him who
    // stands higher: a quick win with the great-upset bonus.
    Game& game = m_game;
    game.playerCopy = wrestler("Kiriyama", 39, 100);
    game.playerCopy.power = 10;
    game.playerCopy.stamina = 40;
    game.playerCopy.baseStrength = 7;
    game.opponentCopy = wrestler("Comp00", 0, 0);
    game.opponentCopy.power = 20;
    game.curDay = 4;
    game.rng.seed(3);
    boutScreen->show();
    for (int i = 0; i < 50 && !boutScreen->WinButton->isVisible(); ++i)
        (boutScreen->m_receiveButton->isVisible() ? boutScreen->m_receiveButton : boutScreen->m_yotsuButton)->click();
    QVERIFY(boutScreen->WinButton->isVisible());
    boutScreen->WinButton->click();
    QVERIFY(boutScreen->BonusButton->isVisible());
    QVERIFY(boutScreen->BonusLabel->isVisible());
    QVERIFY(!boutScreen->CloseButton->isVisible());
    QCOMPARE(game.pointPool, 1);

    int opened = 0;
    whenOpen(statIncreaseScreen, [&] {
        ++opened;
        QCOMPARE(statIncreaseScreen->windowTitle(), QStringLiteral("Bonus Statistic Increase"));
        QCOMPARE(statIncreaseScreen->m_titleLabel->text(), QStringLiteral("Kiriyama's bonus points left to distribute:"));
        QCOMPARE(statIncreaseScreen->PointsLeftLabel->text(), QStringLiteral("1"));
        grabIfWanted("stat-increase.png", statIncreaseScreen);
        // A second click on Bonus while the screen is open does nothing.
        boutScreen->openBonus();
        QTest::mouseClick(statIncreaseScreen->buttons[0], Qt::LeftButton);
        QCOMPARE(statIncreaseScreen->PointsLeftLabel->text(), QStringLiteral("0"));
        QCOMPARE(statIncreaseScreen->valueLabels[0]->text(), QStringLiteral("8"));
        // Coming back to the screen does not fill it again.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(statIncreaseScreen, &activate);
        for (QPushButton* b : statIncreaseScreen->buttons)
            QVERIFY(!b->isEnabled());
        QTest::mouseClick(statIncreaseScreen->DoneButton, Qt::LeftButton);
    });
    QTest::mouseClick(boutScreen->BonusButton, Qt::LeftButton);
    QCOMPARE(opened, 1);
    QVERIFY(!statIncreaseScreen->isVisible());
    QCOMPARE(game.playerCopy.baseStrength, 8);
    QCOMPARE(game.pointPool, 0);
    QVERIFY(!boutScreen->BonusButton->isVisible());
    QVERIFY(boutScreen->CloseButton->isVisible());
    QCOMPARE(boutScreen->focusWidget(), boutScreen->CloseButton);
    boutScreen->CloseButton->click();
    QVERIFY(!boutScreen->isVisible());
}

void FightScreenTest::pictures()
{
    // Only with KIRIMAKI_SCREENSHOTS: a trained player, on the last day
    // with seven wins, against a wrestler 19 places above him.
    if (qEnvironmentVariableIsEmpty("KIRIMAKI_SCREENSHOTS"))
        QSKIP("set KIRIMAKI_SCREENSHOTS=dir to keep pictures of the bout screen");
    Game& game = m_game;
    QCOMPARE(loadRoster(game.roster, KIRIMAKI_GOLDEN_DATA "/contender.r"), LoadResult::Loaded);
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        game.playerCopy = game.roster[39];
        game.playerCopy.cbw = 7;
        game.playerCopy.cbl = 7;
        game.opponentCopy = game.roster[20];
        game.curDay = 15;
        game.rng.seed(seed);
        boutScreen->show();
        boutScreen->m_tachiaiTsuppariButton->click();
        boutScreen->m_hatakikomiButton->click();
        // A picture while the bout is still on, after its first exchange.
        const bool goesOn = boutScreen->m_oshiButton->isVisible();
        const QPixmap midway = boutScreen->grab();
        for (int i = 0; i < 100 && boutScreen->m_oshiButton->isVisible(); ++i)
            boutScreen->m_yotsuButton->click();
        if (goesOn && boutScreen->WinButton->isVisible()) {
            boutScreen->WinButton->click();
            QVERIFY(midway.save(qEnvironmentVariable("KIRIMAKI_SCREENSHOTS") + QStringLiteral("/bout-midway.png")));
            grabIfWanted("bout-result.png");
            return;
        }
        boutScreen->hide();
    }
    QFAIL("no win in 200 bouts");
}

QTEST_MAIN(FightScreenTest)
#include "BoutScreenTest.moc"
