// The leaderboard window: three texts and an OK button.
#include "screens/tournament/LeaderboardScreen.h"

#include "rules/core/Game.h"
#include "game/GameState.h"
#include "rules/tournament/Leaderboard.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LeaderboardScreen* leaderboardScreen = nullptr;

namespace {

QFrame* makeBevel(QWidget* parent, const char* name)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return bevel;
}

} // namespace

LeaderboardScreen::LeaderboardScreen(QWidget* parent) : ScreenDialog(parent)
{
    setObjectName(QStringLiteral("Leaderboard"));
    setWindowTitle(QStringLiteral("Tournament Leaderboard"));
    setModal(true);

    Label1 = makeLabel(this, "Label1", QStringLiteral("Tournament leaderboard after 10 days"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    Label1->setFont(bold);
    Bevel1 = makeBevel(this, "Bevel1");
    Bevel2 = makeBevel(this, "Bevel2");
    Label2 = makeLabel(this, "Label2");
    Label3 = makeLabel(this, "Label3");
    for (QLabel* l : {Label2, Label3}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    OKButton = makeButton(this, "OKButton", QStringLiteral("OK"));
    OKButton->setMinimumWidth(90);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 12, 16, 12);
    column->addWidget(Label1);
    column->addSpacing(4);
    column->addWidget(Bevel1);
    column->addWidget(Bevel2);
    column->addSpacing(8);
    column->addWidget(Label2);
    column->addSpacing(12);
    column->addWidget(Label3);
    column->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    column->addSpacing(8);
    column->addLayout(buttons);
    setFixedWidth(480);
    setMinimumHeight(240);

    connect(OKButton, &QPushButton::clicked, this, &LeaderboardScreen::OKButtonClick);
}

void LeaderboardScreen::onShown()
{
    FormActivate();
}

void LeaderboardScreen::FormActivate()
{
    const Game& game = gameState();
    const LeaderboardTexts texts = leaderboardTexts(game.roster, game.curDay);
    Label1->setText(toQt(texts.title));
    Label2->setText(toQt(texts.leaders));
    Label3->setText(toQt(texts.chasers));
    adjustSize();
    OKButton->setFocus();
}

void LeaderboardScreen::OKButtonClick()
{
    if (!isOffered(OKButton))
        return;
    accept();
}
