// The yusho screen: shows the decision and runs the playoff of a tie.
#include "screens/bashoend/YushoScreen.h"

#include "screens/bashoend/QuitWatch.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/Pause.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"
#include "rules/core/Game.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

// The playoff as this screen presents it: a result is repainted at once and
// stays up during the pause, which offers no button and takes no input.
class YushoScreen::Host : public PlayoffHost {
public:
    explicit Host(YushoScreen& screen) : m_screen(screen) {}

    void announce(const std::string& announcement) override
    {
        m_screen.m_ketteisenAnnounceLabel->setText(toQt(announcement));
        m_screen.m_ketteisenAnnounceLabel->show();
        // Lay the label out for its new text before painting, or a longer
        // announcement would be clipped to the old one's size.
        m_screen.fitToText();
        // No button is offered while the playoff runs: the announcement
        // holds the focus, so a screen reader reads it and says what the
        // pause waits for.
        QLabel* label = m_screen.m_ketteisenAnnounceLabel;
        label->setFocusPolicy(Qt::StrongFocus);
        label->setFocus(Qt::OtherFocusReason);
        ::announce(label);
        m_screen.repaint();
        emit m_screen.announcementShown();
    }

    void pause(int milliseconds) override
    {
        if (!applicationQuitting() && m_screen.m_pause)
            m_screen.m_pause(milliseconds);
    }

    bool stopped() const override { return applicationQuitting(); }

private:
    YushoScreen& m_screen;
};

YushoScreen::YushoScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    watchApplicationQuit();
    setObjectName(QStringLiteral("yushoScreen"));
    setWindowTitle(QStringLiteral("Yusho"));
    setTitleBoxes(this, TitleBoxes::Sizeable);
    m_pause = [](int milliseconds) { pauseDiscardingInput(milliseconds); };

    m_ketteisenAnnounceLabel = makeLabel(this, "KetteisenAnnounceLabel");
    m_ketteisenAnnounceLabel->setAccessibleDescription(QStringLiteral("The playoff goes on by itself: wait for its next bout"));
    m_junYushoLabel = makeLabel(this, "JunYushoWinners");
    QFont big = m_ketteisenAnnounceLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    m_ketteisenAnnounceLabel->setFont(big);
    for (QLabel* l : {m_ketteisenAnnounceLabel, m_junYushoLabel}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    m_okButton = makeButton(this, "OKButton", QStringLiteral("OK"));
    m_beginKetteisenButton = makeButton(this, "BeginKetteisenButton", QStringLiteral("Begin Kettei-Sen"));
    giveKey(m_okButton, QKeySequence(Qt::ALT | Qt::Key_O), QStringLiteral("OK"));
    giveKey(m_beginKetteisenButton, QKeySequence(Qt::ALT | Qt::Key_K), QStringLiteral("Begin the playoff"));
    m_okButton->setMinimumWidth(110);
    m_beginKetteisenButton->setMinimumWidth(150);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_beginKetteisenButton);
    buttons->addWidget(m_okButton);
    buttons->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 16);
    column->setSpacing(14);
    column->addWidget(m_ketteisenAnnounceLabel);
    column->addWidget(m_junYushoLabel);
    column->addStretch();
    column->addLayout(buttons);
    // A short text keeps this size; a long list of runners-up makes it taller.
    setMinimumSize(480, 230);
    resize(520, 230);

    connect(m_okButton, &QPushButton::clicked, this, &YushoScreen::finish);
    connect(m_beginKetteisenButton, &QPushButton::clicked, this, &YushoScreen::fightKetteisen);
}

void YushoScreen::setPlayerBout(PlayerBout* bout)
{
    m_playerBout = bout;
}

void YushoScreen::onShown()
{
    decideYusho();
}

void YushoScreen::decideYusho()
{
    m_decision.setUp(*m_game);
    apply();
    m_unsaved = false;
    if (m_decision.state() == YushoDecision::State::Decided)
        saveDecision();
}

void YushoScreen::saveDecision()
{
    m_unsaved = stepLeftUnsaved(this, *m_game, QStringLiteral("Press OK to try again."));
}

void YushoScreen::fightKetteisen()
{
    // A late accelerator, or a click queued during a pause, must not start a
    // second playoff inside the first.
    if (m_running || !isOffered(m_beginKetteisenButton))
        return;
    if (!m_playerBout)
        throw std::logic_error("the yusho screen has no way to fight the player's playoff bouts");
    m_running = true;
    m_beginKetteisenButton->hide();
    Host host(*this);
    bool finished = false;
    try {
        // Each of the player's playoff bouts saves on its Close: in a folder
        // that became read-only, the player hears of it once.
        OneSaveReport once;
        finished = m_decision.runPlayoff(*m_game, *m_playerBout, host);
    } catch (...) {
        m_running = false;
        apply();
        throw;
    }
    m_running = false;
    apply();
    if (finished)
        saveDecision();
}

void YushoScreen::finish()
{
    if (!isOffered(m_okButton))
        return;
    // The yusho is not taken as done until it is in the file: OK saves the
    // same decision again rather than deciding it (or a playoff) anew.
    if (m_unsaved) {
        saveDecision();
        if (m_unsaved)
            return;
    }
    accept();
}

bool YushoScreen::mayClose() const
{
    if (applicationQuitting())
        return true;
    return !m_running && m_decision.state() != YushoDecision::State::Tie;
}

void YushoScreen::apply()
{
    const YushoView& v = m_decision.view();
    m_ketteisenAnnounceLabel->setText(toQt(v.announcement));
    m_junYushoLabel->setText(toQt(v.junYusho));
    m_ketteisenAnnounceLabel->setVisible(v.announcementVisible);
    m_junYushoLabel->setVisible(v.junYushoVisible);
    m_okButton->setVisible(v.okVisible);
    m_beginKetteisenButton->setVisible(v.beginVisible);
    m_ketteisenAnnounceLabel->setFocusPolicy(Qt::NoFocus); // a button takes the focus again
    fitToText();
    QPushButton* offered = v.beginVisible ? m_beginKetteisenButton : v.okVisible ? m_okButton
                                                                                 : nullptr;
    if (offered)
        offered->setFocus();
}
