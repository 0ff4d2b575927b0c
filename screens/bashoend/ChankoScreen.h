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

    QLabel* m_titleLabel = nullptr;
    QLabel* m_pointsLeftLabel = nullptr;
    QFrame* m_statPanel = nullptr;
    std::array<QPushButton*, kStatRowCount> m_statButtons{}; // StrengthButton ... StaminaButton
    std::array<QLabel*, kStatRowCount> m_valueLabels{}; // StrengthLabel ... StaminaLabel
    QFrame* m_bodyPanel = nullptr;
    QLabel* m_heightCaptionLabel = nullptr;
    QLabel* m_weightCaptionLabel = nullptr;
    QLabel* m_heightLabel = nullptr;
    QLabel* m_weightLabel = nullptr;
    QLabel* m_heightCostLabel = nullptr;
    QLabel* m_weightCostLabel = nullptr;
    QPushButton* m_heightButton = nullptr;
    QPushButton* m_weightIncreaseButton = nullptr;
    QPushButton* m_weightDecreaseButton = nullptr;
    QFrame* m_doneDivider = nullptr;
    QFrame* m_messagePanel = nullptr;
    QLabel* m_messageLabel = nullptr;
    QPushButton* m_doneButton = nullptr;

    // The button of a rules index (statistic rows, then height, weight up, down).
    QPushButton* button(std::size_t index) const;

public slots:
    void openVisit();
    void spendPoint(QPushButton* sender); // all fifteen buttons
    void finish();

protected:
    // Filled once per opening: filling again would re-enable spent buttons.
    void onShown() override;

private:
    void buildBodyPanel();
    void apply();

    ChankoVisit m_visit;
};
