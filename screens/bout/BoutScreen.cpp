// The bout screen: copies the bout engine's view onto its controls and turns
// clicks (and the letter keys) into the engine's steps.
#include "screens/bout/BoutScreen.h"

#include "screens/Controls.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "rules/core/Game.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace {

void showBar(QFrame* bar, const GenkiBar& view)
{
    bar->setFixedWidth(view.width);
    bar->setVisible(view.width > 0);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, view.colour == BarColour::Blue ? QColor(0, 0, 255) : QColor(255, 0, 0));
    bar->setPalette(palette);
}

// The letter a caption marks with '&', upper case, or 0.
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

} // namespace

BoutScreen::BoutScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("boutScreen"));
    setWindowTitle(QStringLiteral("Fight"));
    buildControls();
    connectButtons();
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
        act(sender, [&] { m_engine.exchange(*m_game, static_cast<int>(it - m_exchangeButtons.begin()) + 1); });
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
    showBar(m_userGenkiBar, v.userBar);
    showBar(m_compGenkiBar, v.compBar);

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

    for (QPushButton* b : m_tachiaiButtons)
        b->setVisible(v.tachiaiButtons);
    for (QPushButton* b : m_exchangeButtons)
        b->setVisible(v.exchangeButtons);
    m_monoiiCloseButton->setVisible(v.monoiiClose);
    m_monoiiStartButton->setVisible(v.monoiiStart);
    m_monoiiFightButton->setVisible(v.monoiiFight);
    m_winButton->setVisible(v.win);
    m_loseButton->setVisible(v.lose);
    m_closeButton->setVisible(v.close);
    m_bonusButton->setVisible(v.bonus);
    if (QPushButton* b = focusButton(v.focus))
        b->setFocus(Qt::OtherFocusReason);
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
    if (plain && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        // The screen has no text field: Enter presses the button that has
        // the focus, once per press.
        auto* b = qobject_cast<QPushButton*>(focusWidget());
        if (!e->isAutoRepeat() && b && isAncestorOf(b) && isOffered(b))
            b->click();
        e->accept();
        return;
    }
    const QString text = e->text();
    if (plain && text.size() == 1 && text[0].isLetter()) {
        // The underlined letter alone presses the one offered button that
        // carries it: only one phase's buttons are visible at a time, so the
        // T of both Tsuppari buttons never clashes. A held key presses once.
        e->accept();
        if (e->isAutoRepeat())
            return;
        for (QPushButton* b : m_actionPanel->findChildren<QPushButton*>()) {
            if (isOffered(b) && mnemonicOf(b->text()) == text[0].toUpper()) {
                b->click();
                return;
            }
        }
        return;
    }
    ScreenDialog::keyPressEvent(e);
}
