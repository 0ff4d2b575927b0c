// The yusho screen: shows the decision and runs the playoff of a tie.
#include "screens/bashoend/YushoScreen.h"

#include "screens/bashoend/QuitWatch.h"
#include "rules/core/Game.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

YushoScreen* yushoScreen = nullptr;

// The playoff as this screen presents it: a result is repainted at once and
// stays up during the pause, which offers no button and takes no input.
class YushoScreen::Host : public PlayoffHost {
public:
    explicit Host(YushoScreen& screen) : m_screen(screen) {}

    void announce(const std::string& announcement) override
    {
        m_screen.KetteisenAnnounceLabel->setText(toQt(announcement));
        m_screen.KetteisenAnnounceLabel->show();
        // Lay the label out for its new text before painting, or a longer
        // announcement would be clipped to the old one's size.
        m_screen.fitToText();
        m_screen.repaint();
        emit m_screen.announcementShown();
    }

    void pause(int milliseconds) override
    {
        if (!applicationQuitting() && m_screen.pauseFor)
            m_screen.pauseFor(milliseconds);
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
    pauseFor = [](int milliseconds) { pauseDiscardingInput(milliseconds); };

    KetteisenAnnounceLabel = makeLabel(this, "KetteisenAnnounceLabel");
    JunYushoWinners = makeLabel(this, "JunYushoWinners");
    QFont big = KetteisenAnnounceLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    KetteisenAnnounceLabel->setFont(big);
    for (QLabel* l : {KetteisenAnnounceLabel, JunYushoWinners}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    OKButton = makeButton(this, "OKButton", QStringLiteral("OK"));
    BeginKetteisenButton = makeButton(this, "BeginKetteisenButton", QStringLiteral("Begin Kettei-Sen"));
    OKButton->setMinimumWidth(110);
    BeginKetteisenButton->setMinimumWidth(150);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BeginKetteisenButton);
    buttons->addWidget(OKButton);
    buttons->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 16);
    column->setSpacing(14);
    column->addWidget(KetteisenAnnounceLabel);
    column->addWidget(JunYushoWinners);
    column->addStretch();
    column->addLayout(buttons);
    // A short text keeps this size; a long list of runners-up makes it taller.
    setMinimumSize(480, 230);
    resize(520, 230);

    connect(OKButton, &QPushButton::clicked, this, &YushoScreen::finish);
    connect(BeginKetteisenButton, &QPushButton::clicked, this, &YushoScreen::fightKetteisen);
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
    if (m_running || !isOffered(BeginKetteisenButton))
        return;
    if (!m_playerBout)
        throw std::logic_error("the yusho screen has no way to fight the player's playoff bouts");
    m_running = true;
    BeginKetteisenButton->hide();
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
    if (!isOffered(OKButton))
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
    KetteisenAnnounceLabel->setText(toQt(v.announcement));
    JunYushoWinners->setText(toQt(v.junYusho));
    KetteisenAnnounceLabel->setVisible(v.announcementVisible);
    JunYushoWinners->setVisible(v.junYushoVisible);
    OKButton->setVisible(v.okVisible);
    BeginKetteisenButton->setVisible(v.beginVisible);
    fitToText();
    QPushButton* offered = v.beginVisible ? BeginKetteisenButton : v.okVisible ? OKButton : nullptr;
    if (offered)
        offered->setFocus();
}
