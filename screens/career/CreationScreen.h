// The creation screen: names, body and abilities of the player's new wrestler.
#pragma once

#include "rules/career/CreationPools.h"
#include "screens/ScreenDialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class ScrollEventBar;

// Made anew for each press of Create Rikishi and shown modally. Save starts
// a new career with the values shown and closes; Cancel closes and changes
// nothing.
class CreationScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit CreationScreen(QWidget* parent = nullptr);

    QLabel* Label4;
    QLineEdit* Shikona;
    QLabel* Label5;
    QLineEdit* RealName;

    QLabel* Label1;
    ScrollEventBar* HeightScrollBar1;
    QLabel* intHeightLabel3;
    QLabel* Label2;
    ScrollEventBar* WeightScrollBar2;
    QLabel* intWeightLabel4;
    QLabel* Label3;
    QLabel* HWRemainingPointsLabel;

    // The twelve abilities in display order: bar, value label, title label.
    ScrollEventBar* strengthScroll;
    ScrollEventBar* agilityScroll;
    ScrollEventBar* TachiaiScroll;
    ScrollEventBar* JumpScroll;
    ScrollEventBar* ReceiveScroll;
    ScrollEventBar* DefenseScroll;
    ScrollEventBar* OshiScroll;
    ScrollEventBar* YotsuScroll;
    ScrollEventBar* TsuppariScroll;
    ScrollEventBar* TenageScroll;
    ScrollEventBar* HenkaScroll;
    ScrollEventBar* StaminaScroll;
    QLabel* strengthLabel;
    QLabel* agilityLabel;
    QLabel* TachiaiLabel;
    QLabel* JumpLabel;
    QLabel* ReceiveLabel;
    QLabel* DefenseLabel;
    QLabel* OshiLabel;
    QLabel* YotsuLabel;
    QLabel* TsuppariLabel;
    QLabel* TenageLabel;
    QLabel* HenkaLabel;
    QLabel* StaminaLabel;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label6;
    QLabel* RemainingStatPointsLabel;

    QPushButton* SaveRikishi;
    QPushButton* Cancel;

    const CreationPools& pools() const { return m_pools; }

public slots:
    // Back to the opening values (the bars' memory of earlier screens stays).
    void FormCreate();

    // Scroll events, each with the position the bar proposes.
    void HeightScrollBar1Scroll(int proposed);
    void WeightScrollBar2Scroll(int proposed);
    void strengthScrollScroll(int proposed);
    void agilityScrollScroll(int proposed);
    void TachiaiScrollScroll(int proposed);
    void JumpScrollScroll(int proposed);
    void ReceiveScrollScroll(int proposed);
    void DefenseScrollScroll(int proposed);
    void OshiScrollScroll(int proposed);
    void YotsuScrollScroll(int proposed);
    void TsuppariScrollScroll(int proposed);
    void TenageScrollScroll(int proposed);
    void HenkaScrollScroll(int proposed);
    void StaminaScrollScroll(int proposed);

    void SaveRikishiClick();
    void CancelClick();

private:
    void abilityScroll(std::size_t index, int proposed);
    void showValues();

    CreationPools m_pools;
    std::array<ScrollEventBar*, kAbilityCount> m_abilityBars{};
    std::array<QLabel*, kAbilityCount> m_abilityLabels{};
};
