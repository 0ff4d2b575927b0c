// The chanko screen: fifteen buttons over the rules' chanko visit.
#include "screens/bashoend/ChankoScreen.h"

#include "screens/bashoend/StatRowsPanel.h"
#include "screens/bashoend/StepScreen.h"
#include "rules/core/Game.h"
#include "game/GameState.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ChankoScreen* chankoScreen = nullptr;

ChankoScreen::ChankoScreen(QWidget* parent) : ScreenDialog(parent)
{
    setObjectName(QStringLiteral("Chanko"));
    setWindowTitle(QStringLiteral("Chanko"));

    // The award first: it says where the points come from.
    Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ChankoMessage = makeLabel(Panel, "ChankoMessage");
    ChankoMessage->setWordWrap(true);
    auto* message = new QVBoxLayout(Panel);
    message->setContentsMargins(12, 10, 12, 10);
    message->addWidget(ChankoMessage);

    const TrainingFrame frame = makeTrainingFrame(this);
    Label1 = frame.title;
    PointsLeftLabel = frame.pointsLeft;
    Bevel1 = frame.bevel;
    DoneButton = frame.done;
    connect(DoneButton, &QPushButton::clicked, this, &ChankoScreen::DoneButtonClick);

    const StatRowsPanel rows = makeStatRowsPanel(this, [this](QPushButton* sender) { StrengthButtonClick(sender); });
    Panel1 = rows.panel;
    statButtons = rows.buttons;
    valueLabels = rows.valueLabels;

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label2 = makeLabel(Panel2, "Label2", QStringLiteral("Height:"));
    Label3 = makeLabel(Panel2, "Label3", QStringLiteral("Weight:"));
    HeightLabel = makeLabel(Panel2, "HeightLabel");
    WeightLabel = makeLabel(Panel2, "WeightLabel");
    Label4 = makeLabel(Panel2, "Label4", QStringLiteral("(takes 3 points)"));
    Label5 = makeLabel(Panel2, "Label5", QStringLiteral("(takes 2 points)"));
    HeightButton = makeButton(Panel2, "HeightButton", QStringLiteral("+"));
    WeightIncreaseButton = makeButton(Panel2, "WeightIncreaseButton", QStringLiteral("+"));
    WeightDecreaseButton = makeButton(Panel2, "WeightDecreaseButton", QStringLiteral("-"));
    auto* body = new QGridLayout(Panel2);
    body->setContentsMargins(16, 10, 16, 10);
    body->setHorizontalSpacing(12);
    body->addWidget(Label2, 0, 0);
    body->addWidget(HeightLabel, 0, 1);
    body->addWidget(HeightButton, 0, 2);
    body->addWidget(Label4, 0, 4);
    body->addWidget(Label3, 1, 0);
    body->addWidget(WeightLabel, 1, 1);
    body->addWidget(WeightIncreaseButton, 1, 2);
    body->addWidget(WeightDecreaseButton, 1, 3);
    body->addWidget(Label5, 1, 4);
    body->setColumnStretch(5, 1);
    for (QLabel* l : {HeightLabel, WeightLabel}) {
        l->setMinimumWidth(36);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (QPushButton* b : {HeightButton, WeightIncreaseButton, WeightDecreaseButton}) {
        b->setFixedSize(32, 26);
        connect(b, &QPushButton::clicked, this, [this, b] { StrengthButtonClick(b); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(Panel);
    layout->addLayout(frame.titleRow);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2);
    layout->addWidget(Bevel1);
    layout->addLayout(frame.doneRow);
    // Word wrap needs a width to wrap at: the panels' own.
    ChankoMessage->setMinimumWidth(Panel1->sizeHint().width() - 24);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* ChankoScreen::button(std::size_t index) const
{
    if (index < kStatRowCount)
        return statButtons[index];
    if (index == kChankoHeight)
        return HeightButton;
    if (index == kChankoWeightUp)
        return WeightIncreaseButton;
    if (index == kChankoWeightDown)
        return WeightDecreaseButton;
    return nullptr;
}

void ChankoScreen::onShown()
{
    FormActivate();
}

void ChankoScreen::FormActivate()
{
    m_visit.open(gameState());
    apply();
    DoneButton->setFocus(Qt::OtherFocusReason);
}

void ChankoScreen::StrengthButtonClick(QPushButton* sender)
{
    if (!isOffered(sender))
        return;
    m_visit.click(gameState(), ChankoVisit::buttonByName(fromQt(sender->objectName())));
    apply();
}

void ChankoScreen::DoneButtonClick()
{
    if (isOffered(DoneButton))
        accept();
}

void ChankoScreen::apply()
{
    const ChankoView& v = m_visit.view();
    ChankoMessage->setText(toQt(v.message));
    Label1->setText(toQt(v.title));
    PointsLeftLabel->setText(toQt(v.pointsLeft));
    HeightLabel->setText(toQt(v.height));
    WeightLabel->setText(toQt(v.weight));
    for (std::size_t i = 0; i < kStatRowCount; ++i)
        valueLabels[i]->setText(toQt(v.values[i]));
    for (std::size_t i = 0; i < kChankoButtonCount; ++i)
        button(i)->setEnabled(v.enabled[i]);
    growToFitText(this);
}
