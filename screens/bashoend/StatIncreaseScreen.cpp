// The bonus stat increase screen: twelve "+" buttons over the rules' visit.
#include "screens/bashoend/StatIncreaseScreen.h"

#include "screens/bashoend/StatRowsPanel.h"
#include "screens/Controls.h"
#include "screens/TextConversion.h"
#include "rules/core/Game.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>


StatIncreaseScreen::StatIncreaseScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("statIncreaseScreen"));
    setWindowTitle(QStringLiteral("Bonus Statistic Increase"));

    m_titleLabel = makeLabel(this, "titleLabel");
    PointsLeftLabel = makeLabel(this, "PointsLeftLabel");
    QFont bold = PointsLeftLabel->font();
    bold.setBold(true);
    PointsLeftLabel->setFont(bold);

    const StatRowsPanel rows = makeStatRowsPanel(this, [this](QPushButton* sender) { spendPoint(sender); });
    m_statPanel = rows.panel;
    buttons = rows.buttons;
    valueLabels = rows.valueLabels;

    m_doneDivider = new QFrame(this);
    m_doneDivider->setObjectName(QStringLiteral("doneDivider"));
    m_doneDivider->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    DoneButton = makeButton(this, "DoneButton", QStringLiteral("Done"));
    DoneButton->setMinimumWidth(96);
    connect(DoneButton, &QPushButton::clicked, this, &StatIncreaseScreen::finish);

    auto* title = new QHBoxLayout;
    title->addWidget(m_titleLabel);
    title->addWidget(PointsLeftLabel);
    title->addStretch();
    auto* done = new QHBoxLayout;
    done->addStretch();
    done->addWidget(DoneButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(title);
    layout->addWidget(m_statPanel);
    layout->addWidget(m_doneDivider);
    layout->addLayout(done);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StatIncreaseScreen::open(Game& game)
{
    m_game = &game;
    exec();
}

void StatIncreaseScreen::onShown()
{
    fillRows();
}

void StatIncreaseScreen::fillRows()
{
    m_visit.fill(m_game->playerCopy, m_game->pointPool);
    apply();
    DoneButton->setFocus(Qt::OtherFocusReason);
}

void StatIncreaseScreen::spendPoint(QPushButton* sender)
{
    if (!isOffered(sender))
        return;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == sender) {
            m_visit.click(m_game->playerCopy, m_game->pointPool, static_cast<int>(i));
            apply();
            return;
        }
    }
}

void StatIncreaseScreen::finish()
{
    if (!isOffered(DoneButton))
        return;
    accept();
}

void StatIncreaseScreen::apply()
{
    const StatIncreaseView& v = m_visit.view();
    m_titleLabel->setText(toQt(v.title));
    PointsLeftLabel->setText(toQt(v.pointsLeft));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setEnabled(v.enabled[i]);
        valueLabels[i]->setText(toQt(v.values[i]));
    }
}
