// The bout screen: the player's one interactive bout of the day.
#pragma once

#include "rules/bout/BoutEngine.h"
#include "screens/ScreenDialog.h"

#include <array>
#include <functional>

class GenkiMeter;
class QFrame;
class QLabel;
class QPushButton;
struct Game;

class BoutScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit BoutScreen(Game& game, QWidget* parent = nullptr);

    // Shows the screen modally for the bout in game.playerCopy and
    // game.opponentCopy at game.curDay; returns when it has closed.
    void fight(Game& game);

    const BoutEngine& engine() const { return m_engine; }
    // The tachiai and exchange buttons in the engine's order (its choices 1
    // to 4 and 1 to 6), and the result labels indexed by ResultLabel.
    const std::array<QPushButton*, 4>& tachiaiButtons() const { return m_tachiaiButtons; }
    const std::array<QPushButton*, 6>& exchangeButtons() const { return m_exchangeButtons; }
    const std::array<QLabel*, kResultLabelCount>& resultLabels() const { return m_resultLabels; }

    QLabel* m_userShikonaLabel = nullptr;
    GenkiMeter* m_userGenkiBar = nullptr;
    QLabel* m_compShikonaLabel = nullptr;
    GenkiMeter* m_compGenkiBar = nullptr;
    QLabel* m_timeCaptionLabel = nullptr;
    QLabel* m_timeElapsedLabel = nullptr;

    QFrame* m_actionPanel = nullptr;
    QLabel* m_endLabel = nullptr;
    QPushButton* m_jumpButton = nullptr;
    QPushButton* m_receiveButton = nullptr;
    QPushButton* m_tachiaiTsuppariButton = nullptr;
    QPushButton* m_henkaButton = nullptr;
    QPushButton* m_oshiButton = nullptr;
    QPushButton* m_yotsuButton = nullptr;
    QPushButton* m_tsuppariButton = nullptr;
    QPushButton* m_tenageButton = nullptr;
    QPushButton* m_hatakikomiButton = nullptr;
    QPushButton* m_defenseButton = nullptr;
    QPushButton* m_monoiiCloseButton = nullptr;
    QPushButton* m_monoiiStartButton = nullptr;
    QPushButton* m_monoiiFightButton = nullptr;
    QPushButton* m_winButton = nullptr;
    QPushButton* m_loseButton = nullptr;
    QPushButton* m_closeButton = nullptr;

    QFrame* m_summaryPanel = nullptr;
    QFrame* m_strategyPanel = nullptr;
    QLabel* m_userStrategyLabel = nullptr;
    QLabel* m_compStrategyLabel = nullptr;
    QLabel* m_kachiKoshiLabel = nullptr;
    QLabel* m_lastDayLabel = nullptr;
    QLabel* m_makeKoshiLabel = nullptr;
    QLabel* m_drainLabel = nullptr;
    QFrame* m_pointsPanel = nullptr;
    QLabel* m_userPointsLabel = nullptr;
    QLabel* m_compPointsLabel = nullptr;
    QLabel* m_potentialLabel = nullptr;
    QLabel* m_upsetPotentialLabel = nullptr;
    QLabel* m_yaochoLabel = nullptr;
    QLabel* m_sappedLabel = nullptr;
    QFrame* m_outcomePanel = nullptr;
    QLabel* m_outcomeLabel = nullptr;
    QLabel* m_bonusLabel = nullptr;
    QLabel* m_upsetBonusLabel = nullptr;
    QPushButton* m_bonusButton = nullptr;

public slots:
    void setUpBout();
    void chooseTachiai(QPushButton* sender);
    void chooseExchange(QPushButton* sender);
    void callMonoii();
    void judgesDecide();
    void fightToriNaoshi();
    void recordWin();
    void recordLoss();
    void openBonus();
    void closeBout();

signals:
    // The player spends his bonus points on `game`: whoever is connected
    // shows the stat increase modally and returns when it has closed.
    void bonusWanted(Game& game);

protected:
    void onShown() override;
    // Until the result is recorded, closing by the frame would leave both
    // wrestlers a bout short.
    bool mayClose() const override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Runs one step of the bout when its button is really offered, then
    // shows the result.
    void act(QPushButton* button, const std::function<void()>& step);
    // Shows the buttons the view offers, moves the focus, then hides the
    // rest: the focus never passes through a button being hidden.
    void applyButtons(const BoutView& v);
    // The focus after a step: the strategy just used while the exchanges go
    // on, otherwise where the view says the player acts next.
    void moveFocus(const BoutView& v);
    void buildControls();
    // The parts of buildControls, made in this order (their stacking order).
    void buildHeader();
    void buildActionPanel();
    void buildSummaryPanel();
    void connectButtons();
    void nameControls();
    // Copies the engine's view onto the controls.
    void apply();
    QPushButton* focusButton(BoutFocus focus) const;

    BoutEngine m_engine; // lives as long as the screen: the whole run
    std::array<QPushButton*, 4> m_tachiaiButtons{};
    std::array<QPushButton*, 6> m_exchangeButtons{};
    std::array<QLabel*, kResultLabelCount> m_resultLabels{};
    bool m_inBonus = false;
    QPushButton* m_lastExchange = nullptr;
};
