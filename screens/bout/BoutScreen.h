// The bout screen: the player's one interactive bout of the day.
#pragma once

#include "rules/bout/BoutEngine.h"
#include "screens/ScreenDialog.h"

#include <array>
#include <functional>

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

    QLabel* UserShikonaLabel;
    QFrame* UserGenkiBar;
    QLabel* CompShikonaLabel;
    QFrame* CompGenkiBar;
    QLabel* m_timeCaptionLabel;
    QLabel* TimeElapsedLabel;

    QFrame* m_actionPanel;
    QLabel* EndLabel;
    QPushButton* m_jumpButton;
    QPushButton* m_receiveButton;
    QPushButton* m_tachiaiTsuppariButton;
    QPushButton* m_henkaButton;
    QPushButton* m_oshiButton;
    QPushButton* m_yotsuButton;
    QPushButton* m_tsuppariButton;
    QPushButton* m_tenageButton;
    QPushButton* m_hatakikomiButton;
    QPushButton* m_defenseButton;
    QPushButton* MonoiiClose;
    QPushButton* MonoiiStart;
    QPushButton* MonoiiFight;
    QPushButton* WinButton;
    QPushButton* LoseButton;
    QPushButton* CloseButton;

    QFrame* m_summaryPanel;
    QFrame* m_strategyPanel;
    QLabel* UserStrategyLabel;
    QLabel* CompStrategyLabel;
    QLabel* KachiKoshiLabel;
    QLabel* LastDayLabel;
    QLabel* MakeKoshiLabel;
    QLabel* DrainLabel;
    QFrame* m_pointsPanel;
    QLabel* UserPoints;
    QLabel* CompPoints;
    QLabel* PotentialLabel;
    QLabel* UpsetPotentialLabel;
    QLabel* YaochoLabel;
    QLabel* SappedLabel;
    QFrame* m_outcomePanel;
    QLabel* Outcome;
    QLabel* BonusLabel;
    QLabel* UpsetBonusLabel;
    QPushButton* BonusButton;

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
    void buildControls();
    void connectButtons();
    // Copies the engine's view onto the controls.
    void apply();
    QPushButton* focusButton(BoutFocus focus) const;

    BoutEngine m_engine;            // lives as long as the screen: the whole run
    std::array<QPushButton*, 4> m_tachiaiButtons{};
    std::array<QPushButton*, 6> m_exchangeButtons{};
    std::array<QLabel*, kResultLabelCount> m_resultLabels{};
    bool m_inBonus = false;
};

extern BoutScreen* boutScreen;
