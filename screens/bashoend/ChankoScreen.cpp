// The chanko screen: fifteen buttons over the rules' chanko visit.
#include "screens/bashoend/ChankoScreen.h"

#include "screens/bashoend/StatRowsPanel.h"
#include "screens/Controls.h"
#include "screens/TextConversion.h"
#include "rules/core/Game.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>


ChankoScreen::ChankoScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("chankoScreen"));
    setWindowTitle(QStringLiteral("Chanko"));

    // The award first: it says where the points come from.
    m_messagePanel = new QFrame(this);
    m_messagePanel->setObjectName(QStringLiteral("messagePanel"));
    m_messagePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ChankoMessage = makeLabel(m_messagePanel, "ChankoMessage");
    ChankoMessage->setWordWrap(true);
    auto* message = new QVBoxLayout(m_messagePanel);
    message->setContentsMargins(12, 10, 12, 10);
    message->addWidget(ChankoMessage);

    const TrainingFrame frame = makeTrainingFrame(this);
    m_titleLabel = frame.title;
    PointsLeftLabel = frame.pointsLeft;
    m_doneDivider = frame.bevel;
    DoneButton = frame.done;
    connect(DoneButton, &QPushButton::clicked, this, &ChankoScreen::finish);

    const StatRowsPanel rows = makeStatRowsPanel(this, [this](QPushButton* sender) { spendPoint(sender); });
    m_statPanel = rows.panel;
    statButtons = rows.buttons;
    valueLabels = rows.valueLabels;

    m_bodyPanel = new QFrame(this);
    m_bodyPanel->setObjectName(QStringLiteral("bodyPanel"));
    m_bodyPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_heightCaptionLabel = makeLabel(m_bodyPanel, "heightCaptionLabel", QStringLiteral("Height:"));
    m_weightCaptionLabel = makeLabel(m_bodyPanel, "weightCaptionLabel", QStringLiteral("Weight:"));
    HeightLabel = makeLabel(m_bodyPanel, "HeightLabel");
    WeightLabel = makeLabel(m_bodyPanel, "WeightLabel");
    m_heightCostLabel = makeLabel(m_bodyPanel, "heightCostLabel", QStringLiteral("(takes 3 points)"));
    m_weightCostLabel = makeLabel(m_bodyPanel, "weightCostLabel", QStringLiteral("(takes 2 points)"));
    HeightButton = makeButton(m_bodyPanel, "HeightButton", QStringLiteral("+"));
    WeightIncreaseButton = makeButton(m_bodyPanel, "WeightIncreaseButton", QStringLiteral("+"));
    WeightDecreaseButton = makeButton(m_bodyPanel, "WeightDecreaseButton", QStringLiteral("-"));
    auto* body = new QGridLayout(m_bodyPanel);
    body->setContentsMargins(16, 10, 16, 10);
    body->setHorizontalSpacing(12);
    body->addWidget(m_heightCaptionLabel, 0, 0);
    body->addWidget(HeightLabel, 0, 1);
    body->addWidget(HeightButton, 0, 2);
    body->addWidget(m_heightCostLabel, 0, 4);
    body->addWidget(m_weightCaptionLabel, 1, 0);
    body->addWidget(WeightLabel, 1, 1);
    body->addWidget(WeightIncreaseButton, 1, 2);
    body->addWidget(WeightDecreaseButton, 1, 3);
    body->addWidget(m_weightCostLabel, 1, 4);
    body->setColumnStretch(5, 1);
    for (QLabel* l : {HeightLabel, WeightLabel}) {
        l->setMinimumWidth(36);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (QPushButton* b : {HeightButton, WeightIncreaseButton, WeightDecreaseButton}) {
        b->setFixedSize(32, 26);
        connect(b, &QPushButton::clicked, this, [this, b] { spendPoint(b); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(m_messagePanel);
    layout->addLayout(frame.titleRow);
    layout->addWidget(m_statPanel);
    layout->addWidget(m_bodyPanel);
    layout->addWidget(m_doneDivider);
    layout->addLayout(frame.doneRow);
    // Word wrap needs a width to wrap at: the panels' own.
    ChankoMessage->setMinimumWidth(m_statPanel->sizeHint().width() - 24);
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
    openVisit();
}

void ChankoScreen::openVisit()
{
    m_visit.open(*m_game);
    apply();
    DoneButton->setFocus(Qt::OtherFocusReason);
}

void ChankoScreen::spendPoint(QPushButton* sender)
{
    if (!isOffered(sender))
        return;
    for (std::size_t i = 0; i < kChankoButtonCount; ++i) {
        if (button(i) == sender) {
            m_visit.click(*m_game, i);
            apply();
            return;
        }
    }
}

void ChankoScreen::finish()
{
    if (isOffered(DoneButton))
        accept();
}

void ChankoScreen::apply()
{
    const ChankoView& v = m_visit.view();
    ChankoMessage->setText(toQt(v.message));
    m_titleLabel->setText(toQt(v.title));
    PointsLeftLabel->setText(toQt(v.pointsLeft));
    HeightLabel->setText(toQt(v.height));
    WeightLabel->setText(toQt(v.weight));
    for (std::size_t i = 0; i < kStatRowCount; ++i)
        valueLabels[i]->setText(toQt(v.values[i]));
    for (std::size_t i = 0; i < kChankoButtonCount; ++i)
        button(i)->setEnabled(v.enabled[i]);
    fitToText();
}
