// The leaderboard window: three texts and an OK button.
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"

#include "rules/core/Game.h"
#include "rules/tournament/Leaderboard.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame* makeBevel(QWidget* parent, const char* name)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return bevel;
}

} // namespace

LeaderboardScreen::LeaderboardScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("leaderboardScreen"));
    setWindowTitle(QStringLiteral("Tournament Leaderboard"));
    setModal(true);

    m_titleLabel = makeLabel(this, "titleLabel", QStringLiteral("Tournament leaderboard after 10 days"));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    m_titleLabel->setFont(bold);
    m_upperDivider = makeBevel(this, "upperDivider");
    m_lowerDivider = makeBevel(this, "lowerDivider");
    m_leadersLabel = makeLabel(this, "leadersLabel");
    m_chasersLabel = makeLabel(this, "chasersLabel");
    for (QLabel* l : {m_leadersLabel, m_chasersLabel}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_okButton = makeButton(this, "OKButton", QStringLiteral("OK"));
    giveKey(m_okButton, QKeySequence(Qt::ALT | Qt::Key_O), QStringLiteral("OK"));
    m_okButton->setMinimumWidth(90);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 12, 16, 12);
    column->addWidget(m_titleLabel);
    column->addSpacing(4);
    column->addWidget(m_upperDivider);
    column->addWidget(m_lowerDivider);
    column->addSpacing(8);
    column->addWidget(m_leadersLabel);
    column->addSpacing(12);
    column->addWidget(m_chasersLabel);
    column->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addStretch();
    column->addSpacing(8);
    column->addLayout(buttons);
    // The player may widen it; the texts wrap at whatever width it has.
    setTitleBoxes(this, TitleBoxes::Sizeable);
    setMinimumSize(360, 240);
    resize(480, 240);

    connect(m_okButton, &QPushButton::clicked, this, &LeaderboardScreen::closeLeaderboard);
}

void LeaderboardScreen::onShown()
{
    fillLeaderboard();
}

void LeaderboardScreen::fillLeaderboard()
{
    const Game& game = *m_game;
    const LeaderboardTexts texts = leaderboardTexts(game.roster, game.curDay);
    m_titleLabel->setText(toQt(texts.title));
    m_leadersLabel->setText(toQt(texts.leaders));
    m_chasersLabel->setText(toQt(texts.chasers));
    fitToText();
    m_okButton->setFocus();
}

void LeaderboardScreen::closeLeaderboard()
{
    if (!isOffered(m_okButton))
        return;
    accept();
}
