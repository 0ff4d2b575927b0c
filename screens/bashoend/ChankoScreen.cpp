// The chanko screen: fifteen buttons over the rules' chanko visit.
#include "screens/bashoend/ChankoScreen.h"

#include "screens/bashoend/StatRowsPanel.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/TextConversion.h"
#include "rules/core/Game.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeySequence>
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
    m_messageLabel = makeLabel(m_messagePanel, "ChankoMessage");
    m_messageLabel->setWordWrap(true);
    auto* message = new QVBoxLayout(m_messagePanel);
    message->setContentsMargins(12, 10, 12, 10);
    message->addWidget(m_messageLabel);

    const TrainingFrame frame = makeTrainingFrame(this);
    m_titleLabel = frame.title;
    m_pointsLeftLabel = frame.pointsLeft;
    m_doneDivider = frame.bevel;
    m_doneButton = frame.done;
    connect(m_doneButton, &QPushButton::clicked, this, &ChankoScreen::finish);

    const StatRowsPanel rows = makeStatRowsPanel(this, [this](QPushButton* sender) { spendPoint(sender); });
    m_statPanel = rows.panel;
    m_statButtons = rows.buttons;
    m_valueLabels = rows.valueLabels;

    buildBodyPanel();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(m_messagePanel);
    layout->addLayout(frame.titleRow);
    layout->addWidget(m_statPanel);
    layout->addWidget(m_bodyPanel);
    layout->addWidget(m_doneDivider);
    layout->addLayout(frame.doneRow);
    // Word wrap needs a width to wrap at: the panels' own.
    m_messageLabel->setMinimumWidth(m_statPanel->sizeHint().width() - 24);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// Height and weight, their prices and their buttons.
void ChankoScreen::buildBodyPanel()
{
    m_bodyPanel = new QFrame(this);
    m_bodyPanel->setObjectName(QStringLiteral("bodyPanel"));
    m_bodyPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_heightCaptionLabel = makeLabel(m_bodyPanel, "heightCaptionLabel", QStringLiteral("Height:"));
    m_weightCaptionLabel = makeLabel(m_bodyPanel, "weightCaptionLabel", QStringLiteral("Weight:"));
    m_heightLabel = makeLabel(m_bodyPanel, "HeightLabel");
    m_weightLabel = makeLabel(m_bodyPanel, "WeightLabel");
    m_heightCostLabel = makeLabel(m_bodyPanel, "heightCostLabel", QStringLiteral("(takes 3 points)"));
    m_weightCostLabel = makeLabel(m_bodyPanel, "weightCostLabel", QStringLiteral("(takes 2 points)"));
    m_heightButton = makeButton(m_bodyPanel, "HeightButton", QStringLiteral("+"));
    m_weightIncreaseButton = makeButton(m_bodyPanel, "WeightIncreaseButton", QStringLiteral("+"));
    m_weightDecreaseButton = makeButton(m_bodyPanel, "WeightDecreaseButton", QStringLiteral("-"));
    auto* body = new QGridLayout(m_bodyPanel);
    body->setContentsMargins(16, 10, 16, 10);
    body->setHorizontalSpacing(12);
    body->addWidget(m_heightCaptionLabel, 0, 0);
    body->addWidget(m_heightLabel, 0, 1);
    body->addWidget(m_heightButton, 0, 2);
    body->addWidget(m_heightCostLabel, 0, 4);
    body->addWidget(m_weightCaptionLabel, 1, 0);
    body->addWidget(m_weightLabel, 1, 1);
    body->addWidget(m_weightIncreaseButton, 1, 2);
    body->addWidget(m_weightDecreaseButton, 1, 3);
    body->addWidget(m_weightCostLabel, 1, 4);
    body->setColumnStretch(5, 1);
    for (QLabel* l : {m_heightLabel, m_weightLabel}) {
        l->setMinimumWidth(36);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    giveKey(m_heightButton, QKeySequence(Qt::ALT | Qt::Key_H), QStringLiteral("Raise Height"));
    giveKey(m_weightIncreaseButton, QKeySequence(Qt::ALT | Qt::Key_W), QStringLiteral("Raise Weight"));
    giveKey(m_weightDecreaseButton, QKeySequence(Qt::ALT | Qt::Key_L), QStringLiteral("Lower Weight"));
    for (QPushButton* b : {m_heightButton, m_weightIncreaseButton, m_weightDecreaseButton}) {
        b->setFixedSize(32, 26);
        connect(b, &QPushButton::clicked, this, [this, b] { spendPoint(b); });
    }
}

QPushButton* ChankoScreen::button(std::size_t index) const
{
    if (index < kStatRowCount)
        return m_statButtons[index];
    if (index == kChankoHeight)
        return m_heightButton;
    if (index == kChankoWeightUp)
        return m_weightIncreaseButton;
    if (index == kChankoWeightDown)
        return m_weightDecreaseButton;
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
    m_doneButton->setFocus(Qt::OtherFocusReason);
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
    if (isOffered(m_doneButton))
        accept();
}

void ChankoScreen::apply()
{
    const ChankoView& v = m_visit.view();
    m_messageLabel->setText(toQt(v.message));
    m_titleLabel->setText(toQt(v.title));
    m_pointsLeftLabel->setText(toQt(v.pointsLeft));
    m_heightLabel->setText(toQt(v.height));
    m_weightLabel->setText(toQt(v.weight));
    for (std::size_t i = 0; i < kStatRowCount; ++i)
        m_valueLabels[i]->setText(toQt(v.values[i]));
    for (std::size_t i = 0; i < kChankoButtonCount; ++i)
        button(i)->setEnabled(v.enabled[i]);
    fitToText();
}
