// ChankoScreen, the chanko screen: the player spends his chanko points.
#pragma once

#include "rules/bashoend/Chanko.h"
#include "screens/ScreenDialog.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;

class ChankoScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit ChankoScreen(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* PointsLeftLabel;
    QFrame* Panel1;
    std::array<QPushButton*, kStatRowCount> statButtons{};   // StrengthButton ... StaminaButton
    std::array<QLabel*, kStatRowCount> valueLabels{};        // StrengthLabel ... StaminaLabel
    QFrame* Panel2;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* HeightLabel;
    QLabel* WeightLabel;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* HeightButton;
    QPushButton* WeightIncreaseButton;
    QPushButton* WeightDecreaseButton;
    QFrame* Bevel1;
    QFrame* Panel;
    QLabel* ChankoMessage;
    QPushButton* DoneButton;

    // The button of a rules index (statistic rows, then height, weight up, down).
    QPushButton* button(std::size_t index) const;

public slots:
    void FormActivate();
    void StrengthButtonClick(QPushButton* sender);   // all fifteen buttons
    void DoneButtonClick();

protected:
    // Filled once per opening: filling again would re-enable spent buttons.
    void onShown() override;

private:
    void apply();

    ChankoVisit m_visit;
};

extern ChankoScreen* chankoScreen;
