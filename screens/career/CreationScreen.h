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

    QLabel* m_shikonaCaptionLabel = nullptr;
    QLineEdit* Shikona = nullptr;
    QLabel* m_realNameCaptionLabel = nullptr;
    QLineEdit* RealName = nullptr;

    QLabel* m_heightCaptionLabel = nullptr;
    ScrollEventBar* m_heightBar = nullptr;
    QLabel* m_heightValueLabel = nullptr;
    QLabel* m_weightCaptionLabel = nullptr;
    ScrollEventBar* m_weightBar = nullptr;
    QLabel* m_weightValueLabel = nullptr;
    QLabel* m_bodyPointsCaptionLabel = nullptr;
    QLabel* HWRemainingPointsLabel = nullptr;

    // The twelve abilities in display order: bar, value label, title label.
    ScrollEventBar* strengthScroll = nullptr;
    ScrollEventBar* agilityScroll = nullptr;
    ScrollEventBar* TachiaiScroll = nullptr;
    ScrollEventBar* JumpScroll = nullptr;
    ScrollEventBar* ReceiveScroll = nullptr;
    ScrollEventBar* DefenseScroll = nullptr;
    ScrollEventBar* OshiScroll = nullptr;
    ScrollEventBar* YotsuScroll = nullptr;
    ScrollEventBar* TsuppariScroll = nullptr;
    ScrollEventBar* TenageScroll = nullptr;
    ScrollEventBar* HenkaScroll = nullptr;
    ScrollEventBar* StaminaScroll = nullptr;
    QLabel* strengthLabel = nullptr;
    QLabel* agilityLabel = nullptr;
    QLabel* TachiaiLabel = nullptr;
    QLabel* JumpLabel = nullptr;
    QLabel* ReceiveLabel = nullptr;
    QLabel* DefenseLabel = nullptr;
    QLabel* OshiLabel = nullptr;
    QLabel* YotsuLabel = nullptr;
    QLabel* TsuppariLabel = nullptr;
    QLabel* TenageLabel = nullptr;
    QLabel* HenkaLabel = nullptr;
    QLabel* StaminaLabel = nullptr;
    QLabel* m_strengthCaptionLabel = nullptr;
    QLabel* m_agilityCaptionLabel = nullptr;
    QLabel* m_tachiaiCaptionLabel = nullptr;
    QLabel* m_jumpCaptionLabel = nullptr;
    QLabel* m_receiveCaptionLabel = nullptr;
    QLabel* m_defenseCaptionLabel = nullptr;
    QLabel* m_oshiCaptionLabel = nullptr;
    QLabel* m_yotsuCaptionLabel = nullptr;
    QLabel* m_tsuppariCaptionLabel = nullptr;
    QLabel* m_tenageCaptionLabel = nullptr;
    QLabel* m_henkaCaptionLabel = nullptr;
    QLabel* m_staminaCaptionLabel = nullptr;
    QLabel* m_abilityPointsCaptionLabel = nullptr;
    QLabel* RemainingStatPointsLabel = nullptr;

    QPushButton* SaveRikishi = nullptr;
    QPushButton* Cancel = nullptr;

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
