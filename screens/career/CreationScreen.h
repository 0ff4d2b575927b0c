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
    QLineEdit* m_shikonaEdit = nullptr;
    QLabel* m_realNameCaptionLabel = nullptr;
    QLineEdit* m_realNameEdit = nullptr;

    QLabel* m_heightCaptionLabel = nullptr;
    ScrollEventBar* m_heightBar = nullptr;
    QLabel* m_heightValueLabel = nullptr;
    QLabel* m_weightCaptionLabel = nullptr;
    ScrollEventBar* m_weightBar = nullptr;
    QLabel* m_weightValueLabel = nullptr;
    QLabel* m_bodyPointsCaptionLabel = nullptr;
    QLabel* m_bodyPointsLeftLabel = nullptr;

    // The twelve abilities in display order: bar, value label, title label.
    ScrollEventBar* m_strengthBar = nullptr;
    ScrollEventBar* m_agilityBar = nullptr;
    ScrollEventBar* m_tachiaiBar = nullptr;
    ScrollEventBar* m_jumpBar = nullptr;
    ScrollEventBar* m_receiveBar = nullptr;
    ScrollEventBar* m_defenseBar = nullptr;
    ScrollEventBar* m_oshiBar = nullptr;
    ScrollEventBar* m_yotsuBar = nullptr;
    ScrollEventBar* m_tsuppariBar = nullptr;
    ScrollEventBar* m_tenageBar = nullptr;
    ScrollEventBar* m_henkaBar = nullptr;
    ScrollEventBar* m_staminaBar = nullptr;
    QLabel* m_strengthLabel = nullptr;
    QLabel* m_agilityLabel = nullptr;
    QLabel* m_tachiaiLabel = nullptr;
    QLabel* m_jumpLabel = nullptr;
    QLabel* m_receiveLabel = nullptr;
    QLabel* m_defenseLabel = nullptr;
    QLabel* m_oshiLabel = nullptr;
    QLabel* m_yotsuLabel = nullptr;
    QLabel* m_tsuppariLabel = nullptr;
    QLabel* m_tenageLabel = nullptr;
    QLabel* m_henkaLabel = nullptr;
    QLabel* m_staminaLabel = nullptr;
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
    QLabel* m_abilityPointsLeftLabel = nullptr;

    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    // Not of the form the game began with: opens the build lab on this build.
    QPushButton* m_tryBuildButton = nullptr;

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
    void tryBuild();
    // Moves the bars to this build's body and abilities one step at a time,
    // as the player would (the names stay); false when the pools refuse a step.
    bool useBuild(const CreationValues& values);

signals:
    // The player wants the build lab to try the build now on the screen.
    void buildLabWanted(const CreationValues& values);

private:
    // The steps of construction, in their order: the controls (their
    // creation order is their stacking order), the layout, the tab order.
    void buildControls();
    void layOut();
    void setTabOrderAndFocus();
    bool abilitiesFitOneRow() const;
    void nameControls();
    void abilityScroll(std::size_t index, int proposed);
    void showValues();

    CreationPools m_pools;
    std::array<ScrollEventBar*, kAbilityCount> m_abilityBars{};
    std::array<QLabel*, kAbilityCount> m_abilityLabels{};
};
