// The statistic rows shared by the training screens.
#include "screens/bashoend/StatRowsPanel.h"

#include "screens/ScreenDialog.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

namespace {

// Object names of each row's "+" button and value label.
struct RowNames {
    const char* button;
    const char* value;
};
const RowNames kRowNames[kStatRowCount] = {
    {"StrengthButton", "StrengthLabel"},
    {"AgilityButton", "AgilityLabel"},
    {"TachiaiButton", "TachiaiLabel"},
    {"JumpButton", "JumpLabel"},
    {"ReceiveButton", "ReceiveLabel"},
    {"DefenseButton", "DefenseLabel"},
    {"OshiButton", "OshiLabel"},
    {"YotsuButton", "YotsuLabel"},
    {"TsuppariButton", "TsuppariLabel"},
    {"TenageButton", "TenageLabel"},
    {"HatakikomiButton", "HenkaLabel"},
    {"StaminaButton", "StaminaLabel"},
};

} // namespace

StatRowsPanel makeStatRowsPanel(QWidget* parent, const std::function<void(QPushButton* sender)>& onClick)
{
    StatRowsPanel rows;
    rows.panel = new QFrame(parent);
    rows.panel->setObjectName(QStringLiteral("statPanel"));
    rows.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* grid = new QGridLayout(rows.panel);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    const auto& table = statRows();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int row = static_cast<int>(i % 6);
        const int column = static_cast<int>(i / 6) * 4;
        QLabel* caption = makeLabel(rows.panel, "", QString::fromLatin1(table[i].caption));
        QLabel* value = makeLabel(rows.panel, kRowNames[i].value);
        value->setMinimumWidth(28);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPushButton* button = makeButton(rows.panel, kRowNames[i].button, QStringLiteral("+"));
        // F1 to F12 raise the rows in the order they are read.
        const QString ability = caption->text().trimmed();
        giveKey(button, QKeySequence(static_cast<int>(Qt::Key_F1) + static_cast<int>(i)), QStringLiteral("Raise ") + ability);
        tieLabel(caption, button);
        button->setFixedSize(32, 26);
        grid->addWidget(caption, row, column);
        grid->addWidget(value, row, column + 1);
        grid->addWidget(button, row, column + 2);
        QObject::connect(button, &QPushButton::clicked, rows.panel, [onClick, button] { onClick(button); });
        rows.buttons[i] = button;
        rows.valueLabels[i] = value;
    }
    grid->setColumnMinimumWidth(3, 24);
    return rows;
}

TrainingFrame makeTrainingFrame(QWidget* parent)
{
    TrainingFrame f;
    f.title = makeLabel(parent, "titleLabel");
    f.pointsLeft = makeLabel(parent, "PointsLeftLabel");
    QFont bold = f.pointsLeft->font();
    bold.setBold(true);
    f.pointsLeft->setFont(bold);
    f.titleRow = new QHBoxLayout;
    f.titleRow->addWidget(f.title);
    f.titleRow->addWidget(f.pointsLeft);
    f.titleRow->addStretch();

    f.bevel = new QFrame(parent);
    f.bevel->setObjectName(QStringLiteral("doneDivider"));
    f.bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    f.done = makeButton(parent, "DoneButton", QStringLiteral("Done"));
    giveKey(f.done, QKeySequence(Qt::ALT | Qt::Key_D), QStringLiteral("Done"));
    f.done->setMinimumWidth(96);
    f.doneRow = new QHBoxLayout;
    f.doneRow->addStretch();
    f.doneRow->addWidget(f.done);
    return f;
}
