// The bonus stat increase screen: twelve "+" buttons over the rules' visit.
#include "screens/bashoend/StatIncreaseScreen.h"

#include "screens/bashoend/StatRowsPanel.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/TextConversion.h"
#include "rules/core/Game.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StatIncreaseScreen::StatIncreaseScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("statIncreaseScreen"));
    setWindowTitle(QStringLiteral("Bonus Statistic Increase"));

    m_titleLabel = makeLabel(this, "titleLabel");
    m_pointsLeftLabel = makeLabel(this, "PointsLeftLabel");
    QFont bold = m_pointsLeftLabel->font();
    bold.setBold(true);
    m_pointsLeftLabel->setFont(bold);

    const StatRowsPanel rows = makeStatRowsPanel(this, [this](QPushButton* sender) { spendPoint(sender); });
    m_statPanel = rows.panel;
    m_statButtons = rows.buttons;
    m_valueLabels = rows.valueLabels;

    m_doneDivider = new QFrame(this);
    m_doneDivider->setObjectName(QStringLiteral("doneDivider"));
    m_doneDivider->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    m_doneButton = makeButton(this, "DoneButton", QStringLiteral("Done"));
    giveKey(m_doneButton, QKeySequence(Qt::ALT | Qt::Key_D), QStringLiteral("Done"));
    m_doneButton->setMinimumWidth(96);
    connect(m_doneButton, &QPushButton::clicked, this, &StatIncreaseScreen::finish);

    auto* title = new QHBoxLayout;
    title->addWidget(m_titleLabel);
    title->addWidget(m_pointsLeftLabel);
    title->addStretch();
    auto* done = new QHBoxLayout;
    done->addStretch();
    done->addWidget(m_doneButton);
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
    m_doneButton->setFocus(Qt::OtherFocusReason);
}

void StatIncreaseScreen::spendPoint(QPushButton* sender)
{
    if (!isOffered(sender))
        return;
    for (std::size_t i = 0; i < m_statButtons.size(); ++i) {
        if (m_statButtons[i] == sender) {
            m_visit.click(m_game->playerCopy, m_game->pointPool, static_cast<int>(i));
            apply();
            return;
        }
    }
}

void StatIncreaseScreen::finish()
{
    if (!isOffered(m_doneButton))
        return;
    accept();
}

void StatIncreaseScreen::apply()
{
    const StatIncreaseView& v = m_visit.view();
    m_titleLabel->setText(toQt(v.title));
    m_pointsLeftLabel->setText(toQt(v.pointsLeft));
    for (std::size_t i = 0; i < m_statButtons.size(); ++i) {
        m_statButtons[i]->setEnabled(v.enabled[i]);
        m_valueLabels[i]->setText(toQt(v.values[i]));
    }
}
