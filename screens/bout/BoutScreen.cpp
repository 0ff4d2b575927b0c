// The bout screen: copies the bout engine's view onto its controls and turns
// clicks (and the letter keys) into the engine's steps.
#include "screens/bout/BoutScreen.h"

#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/bout/GenkiMeter.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "rules/core/Game.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

// The letter a button is pressed with on this screen: the one its caption
// marks with '&', or the one it was given; upper case, or 0.
const char* const kKeyProperty = "boutKey";

QChar mnemonicOf(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

QChar keyOf(const QPushButton* b)
{
    const QChar given = b->property(kKeyProperty).toChar();
    return given.isNull() ? mnemonicOf(b->text()) : given;
}

// A button whose caption marks no letter: its letter, said with its name.
void giveLetter(QPushButton* b, char letter, const QString& name, const QString& description = QString())
{
    b->setProperty(kKeyProperty, QChar::fromLatin1(letter));
    const QString shown = name + QStringLiteral(" (") + QChar::fromLatin1(letter) + QLatin1Char(')');
    nameControl(b, shown, description);
    b->setToolTip(shown);
}

} // namespace

BoutScreen::BoutScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("boutScreen"));
    setWindowTitle(QStringLiteral("Fight"));
    buildControls();
    connectButtons();
    nameControls();
}

void BoutScreen::nameControls()
{
    const char* const tachiai[] = {"Jump tachiai", "Receive tachiai", "Tsuppari tachiai", "Henka tachiai"};
    for (std::size_t i = 0; i < m_tachiaiButtons.size(); ++i)
        nameControl(m_tachiaiButtons[i], QString::fromLatin1(tachiai[i]));
    giveLetter(m_defenseButton, 'D', QStringLiteral("Defense"));
    giveLetter(m_monoiiCloseButton, 'C', QStringLiteral("Close call"), QStringLiteral("The bout was close: ask the judges for a mono-ii"));
    giveLetter(m_monoiiStartButton, 'M', QStringLiteral("Mono-ii"), QStringLiteral("The judges decide the close bout"));
    giveLetter(m_monoiiFightButton, 'F', QStringLiteral("Fight the bout again"));
    giveLetter(m_winButton, 'W', QStringLiteral("Win"), QStringLiteral("Record the win"));
    giveLetter(m_loseButton, 'L', QStringLiteral("Lose"), QStringLiteral("Record the loss"));
    giveLetter(m_closeButton, 'C', QStringLiteral("Close the bout"));
    giveLetter(m_bonusButton, 'B', QStringLiteral("Bonus"), QStringLiteral("Spend the bonus points"));
    nameControl(m_userGenkiBar, QStringLiteral("Your genki"));
    nameControl(m_compGenkiBar, QStringLiteral("Opponent's genki"));
    tieLabel(m_userShikonaLabel, m_userGenkiBar);
    tieLabel(m_compShikonaLabel, m_compGenkiBar);
    nameControl(m_timeElapsedLabel, QString(), QStringLiteral("Time of the bout"));
}

void BoutScreen::fight(Game& game)
{
    m_game = &game;
    exec();
}

void BoutScreen::onShown()
{
    setUpBout();
}

bool BoutScreen::mayClose() const
{
    return m_engine.resultRecorded();
}

void BoutScreen::setUpBout()
{
    m_engine.setUp(*m_game);
    m_lastExchange = nullptr;
    apply();
}

void BoutScreen::act(QPushButton* button, const std::function<void()>& step)
{
    if (!isOffered(button))
        return;
    step();
    apply();
}

void BoutScreen::chooseTachiai(QPushButton* sender)
{
    const auto it = std::find(m_tachiaiButtons.begin(), m_tachiaiButtons.end(), sender);
    if (it != m_tachiaiButtons.end())
        act(sender, [&] { m_engine.tachiai(*m_game, static_cast<int>(it - m_tachiaiButtons.begin()) + 1); });
}

void BoutScreen::chooseExchange(QPushButton* sender)
{
    const auto it = std::find(m_exchangeButtons.begin(), m_exchangeButtons.end(), sender);
    if (it != m_exchangeButtons.end())
        act(sender, [&] {
            m_lastExchange = sender;
            m_engine.exchange(*m_game, static_cast<int>(it - m_exchangeButtons.begin()) + 1);
        });
}

void BoutScreen::callMonoii()
{
    act(m_monoiiCloseButton, [this] { m_engine.callMonoii(); });
}

void BoutScreen::judgesDecide()
{
    act(m_monoiiStartButton, [this] { m_engine.judgesDecide(*m_game); });
}

void BoutScreen::fightToriNaoshi()
{
    act(m_monoiiFightButton, [this] { m_engine.toriNaoshi(*m_game); });
}

void BoutScreen::recordWin()
{
    act(m_winButton, [this] { m_engine.recordWin(*m_game); });
}

void BoutScreen::recordLoss()
{
    act(m_loseButton, [this] { m_engine.recordLoss(*m_game); });
}

void BoutScreen::openBonus()
{
    // A second click (a late mnemonic, a key held down) while the bonus
    // screen is open must not open it again.
    if (!isOffered(m_bonusButton) || m_inBonus)
        return;
    m_inBonus = true;
    emit bonusWanted(*m_game);
    m_inBonus = false;
    m_engine.bonusSpent();
    apply();
}

void BoutScreen::closeBout()
{
    if (!isOffered(m_closeButton))
        return;
    m_engine.close();
    apply();
    // The bout's own changes are in the two copies, which the screen that
    // opened the bout takes back; this save keeps the file as the roster
    // stands, and a failure is reported rather than lost.
    saveRosterOrReport(this, *m_game);
    accept();
}

void BoutScreen::apply()
{
    const BoutView& v = m_engine.view();
    m_userShikonaLabel->setText(toQt(v.userShikona));
    m_compShikonaLabel->setText(toQt(v.compShikona));
    m_timeElapsedLabel->setText(toQt(v.timeElapsed));
    m_userGenkiBar->show(v.userBar);
    m_compGenkiBar->show(v.compBar);

    m_userStrategyLabel->setText(toQt(v.userStrategy));
    m_compStrategyLabel->setText(toQt(v.compStrategy));
    m_userPointsLabel->setText(toQt(v.userPoints));
    m_compPointsLabel->setText(toQt(v.compPoints));
    m_outcomeLabel->setText(toQt(v.outcome));
    m_endLabel->setText(toQt(v.endText));
    for (QLabel* l : {m_userStrategyLabel, m_compStrategyLabel, m_userPointsLabel, m_compPointsLabel, m_outcomeLabel})
        l->setVisible(v.boutLabels);
    m_endLabel->setVisible(v.endLabel);
    for (std::size_t i = 0; i < m_resultLabels.size(); ++i)
        m_resultLabels[i]->setVisible(v.resultLabels[i]);
    applyButtons(v);
    // What the step brought is read out, though the focus stays on a button.
    for (QLabel* l : {m_outcomeLabel, m_endLabel})
        if (l->isVisible() && !l->text().isEmpty())
            announce(l);
    for (QLabel* l : m_resultLabels)
        if (l->isVisible())
            announce(l);
}

void BoutScreen::applyButtons(const BoutView& v)
{
    const std::pair<QPushButton*, bool> offered[] = {
        {m_monoiiCloseButton, v.monoiiClose}, {m_monoiiStartButton, v.monoiiStart}, {m_monoiiFightButton, v.monoiiFight}, {m_winButton, v.win}, {m_loseButton, v.lose}, {m_closeButton, v.close}, {m_bonusButton, v.bonus}};
    std::vector<std::pair<QPushButton*, bool>> all(std::begin(offered), std::end(offered));
    for (QPushButton* b : m_tachiaiButtons)
        all.emplace_back(b, v.tachiaiButtons);
    for (QPushButton* b : m_exchangeButtons)
        all.emplace_back(b, v.exchangeButtons);
    for (const auto& [b, shown] : all)
        if (shown)
            b->setVisible(true);
    moveFocus(v);
    for (const auto& [b, shown] : all)
        if (!shown)
            b->setVisible(false);
}

void BoutScreen::moveFocus(const BoutView& v)
{
    QPushButton* target = v.exchangeButtons && m_lastExchange ? m_lastExchange : focusButton(v.focus);
    if (target && target->isVisible())
        target->setFocus(Qt::OtherFocusReason);
}

QPushButton* BoutScreen::focusButton(BoutFocus focus) const
{
    switch (focus) {
    case BoutFocus::Receive: return m_receiveButton;
    case BoutFocus::Yotsu: return m_yotsuButton;
    case BoutFocus::MonoiiClose: return m_monoiiCloseButton;
    case BoutFocus::MonoiiStart: return m_monoiiStartButton;
    case BoutFocus::MonoiiFight: return m_monoiiFightButton;
    case BoutFocus::Win: return m_winButton;
    case BoutFocus::Lose: return m_loseButton;
    case BoutFocus::Close: return m_closeButton;
    case BoutFocus::Bonus: return m_bonusButton;
    case BoutFocus::None: break;
    }
    return nullptr;
}

void BoutScreen::keyPressEvent(QKeyEvent* e)
{
    const bool plain = (e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    const QString text = e->text();
    if (plain && text.size() == 1 && text[0].isLetter()) {
        // The underlined letter alone presses the one offered button that
        // carries it: only one phase's buttons are visible at a time, so the
        // T of both Tsuppari buttons never clashes. A held key presses once.
        e->accept();
        if (e->isAutoRepeat())
            return;
        for (QPushButton* b : findChildren<QPushButton*>()) {
            if (isOffered(b) && keyOf(b) == text[0].toUpper()) {
                b->click();
                return;
            }
        }
        return;
    }
    ScreenDialog::keyPressEvent(e);
}
