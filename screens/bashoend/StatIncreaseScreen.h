// The bonus stat increase screen, opened by the bout screen after a great upset.
#pragma once

#include "rules/bashoend/StatIncrease.h"
#include "screens/ScreenDialog.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
struct Game;

class StatIncreaseScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit StatIncreaseScreen(Game& game, QWidget* parent = nullptr);

    // Shows the screen modally to spend game.pointPool on game.playerCopy;
    // returns when Done has closed it.
    void open(Game& game);

    QLabel* m_titleLabel = nullptr;
    QLabel* m_pointsLeftLabel = nullptr;
    QFrame* m_statPanel = nullptr;
    QFrame* m_doneDivider = nullptr;
    QPushButton* m_doneButton = nullptr;
    // The twelve rows in display order: "+" buttons and value labels.
    std::array<QPushButton*, kStatRowCount> m_statButtons{};
    std::array<QLabel*, kStatRowCount> m_valueLabels{};

public slots:
    void fillRows();
    void spendPoint(QPushButton* sender);
    void finish();

protected:
    // The fill runs once per opening, not on every activation: running it
    // again would offer buttons the clicks have already taken away.
    void onShown() override;

private:
    void apply();

    StatIncreaseVisit m_visit;
};
