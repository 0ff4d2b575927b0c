// The creation screen: names, body and abilities of the player's new wrestler.
#pragma once

#include "rules/career/CreationPools.h"
#include "screens/ScreenDialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
struct Game;
class ScrollEventBar;

// Made anew for each press of Create Rikishi and shown modally. Save starts
// a new career with the values shown and closes; Cancel closes and changes
// nothing.
class CreationScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit CreationScreen(Game& game, QWidget* parent = nullptr);

    QLabel* m_shikonaCaptionLabel;
    QLineEdit* Shikona;
    QLabel* m_realNameCaptionLabel;
    QLineEdit* RealName;

    QLabel* m_heightCaptionLabel;
    ScrollEventBar* m_heightBar;
    QLabel* m_heightValueLabel;
    QLabel* m_weightCaptionLabel;
    ScrollEventBar* m_weightBar;
    QLabel* m_weightValueLabel;
    QLabel* m_bodyPointsCaptionLabel;
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
    QLabel* m_strengthCaptionLabel;
    QLabel* m_agilityCaptionLabel;
    QLabel* m_tachiaiCaptionLabel;
    QLabel* m_jumpCaptionLabel;
    QLabel* m_receiveCaptionLabel;
    QLabel* m_defenseCaptionLabel;
    QLabel* m_oshiCaptionLabel;
    QLabel* m_yotsuCaptionLabel;
    QLabel* m_tsuppariCaptionLabel;
    QLabel* m_tenageCaptionLabel;
    QLabel* m_henkaCaptionLabel;
    QLabel* m_staminaCaptionLabel;
    QLabel* m_abilityPointsCaptionLabel;
    QLabel* RemainingStatPointsLabel;

    QPushButton* SaveRikishi;
    QPushButton* Cancel;

    const CreationPools& pools() const { return m_pools; }

public slots:
    // Back to the opening values (the bars' memory of earlier screens stays).
    void resetPools();

    // Scroll events, each with the position the bar proposes.
    void scrollHeight(int proposed);
    void scrollWeight(int proposed);
    void scrollStrength(int proposed);
    void scrollAgility(int proposed);
    void scrollTachiai(int proposed);
    void scrollJump(int proposed);
    void scrollReceive(int proposed);
    void scrollDefense(int proposed);
    void scrollOshi(int proposed);
    void scrollYotsu(int proposed);
    void scrollTsuppari(int proposed);
    void scrollTenage(int proposed);
    void scrollHenka(int proposed);
    void scrollStamina(int proposed);

    void saveRikishi();
    void cancelCreation();

private:
    void abilityScroll(std::size_t index, int proposed);
    void showValues();

    CreationPools m_pools;
    std::array<ScrollEventBar*, kAbilityCount> m_abilityBars{};
    std::array<QLabel*, kAbilityCount> m_abilityLabels{};
};
