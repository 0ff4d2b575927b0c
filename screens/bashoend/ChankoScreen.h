// ChankoScreen, the chanko screen: the player spends his chanko points.
#pragma once

#include "rules/bashoend/Chanko.h"
#include "screens/ScreenDialog.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
struct Game;

class ChankoScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit ChankoScreen(Game& game, QWidget* parent = nullptr);

    QLabel* m_titleLabel;
    QLabel* PointsLeftLabel;
    QFrame* m_statPanel;
    std::array<QPushButton*, kStatRowCount> statButtons{};   // StrengthButton ... StaminaButton
    std::array<QLabel*, kStatRowCount> valueLabels{};        // StrengthLabel ... StaminaLabel
    QFrame* m_bodyPanel;
    QLabel* m_heightCaptionLabel;
    QLabel* m_weightCaptionLabel;
    QLabel* HeightLabel;
    QLabel* WeightLabel;
    QLabel* m_heightCostLabel;
    QLabel* m_weightCostLabel;
    QPushButton* HeightButton;
    QPushButton* WeightIncreaseButton;
    QPushButton* WeightDecreaseButton;
    QFrame* m_doneDivider;
    QFrame* m_messagePanel;
    QLabel* ChankoMessage;
    QPushButton* DoneButton;

    // The button of a rules index (statistic rows, then height, weight up, down).
    QPushButton* button(std::size_t index) const;

public slots:
    void openVisit();
    void spendPoint(QPushButton* sender);   // all fifteen buttons
    void finish();

protected:
    // Filled once per opening: filling again would re-enable spent buttons.
    void onShown() override;

private:
    void apply();

    ChankoVisit m_visit;
};
