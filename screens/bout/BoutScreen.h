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
    explicit BoutScreen(QWidget* parent = nullptr);

    // Shows the screen modally for the bout in game.playerCopy and
    // game.opponentCopy at game.curDay; returns when it has closed.
    void fight(Game& game);

    const BoutEngine& engine() const { return m_engine; }

    QLabel* UserShikonaLabel;
    QFrame* UserGenkiBar;
    QLabel* CompShikonaLabel;
    QFrame* CompGenkiBar;
    QLabel* Label1;
    QLabel* TimeElapsedLabel;

    QFrame* Panel1;
    QLabel* EndLabel;
    QPushButton* Button1;      // Jump
    QPushButton* Button2;      // Receive
    QPushButton* Button3;      // Tsuppari
    QPushButton* Button4;      // Henka
    QPushButton* Button5;      // Oshi
    QPushButton* Button6;      // Yotsu
    QPushButton* Button7;      // Tsuppari
    QPushButton* Button8;      // Tenage
    QPushButton* Button9;      // Hatakikomi
    QPushButton* Button10;     // Defense
    QPushButton* MonoiiClose;
    QPushButton* MonoiiStart;
    QPushButton* MonoiiFight;
    QPushButton* WinButton;
    QPushButton* LoseButton;
    QPushButton* CloseButton;

    QFrame* Panel2;
    QFrame* Panel3;
    QLabel* UserStrategyLabel;
    QLabel* CompStrategyLabel;
    QLabel* KachiKoshiLabel;
    QLabel* LastDayLabel;
    QLabel* MakeKoshiLabel;
    QLabel* DrainLabel;
    QFrame* Panel4;
    QLabel* UserPoints;
    QLabel* CompPoints;
    QLabel* PotentialLabel;
    QLabel* UpsetPotentialLabel;
    QLabel* YaochoLabel;
    QLabel* SappedLabel;
    QFrame* Panel5;
    QLabel* Outcome;
    QLabel* BonusLabel;
    QLabel* UpsetBonusLabel;
    QPushButton* BonusButton;

public slots:
    void FormActivate();
    void TachiaiButtonClick(QPushButton* sender);
    void FightButtonClick(QPushButton* sender);
    void MonoiiCloseClick();
    void MonoiiStartClick();
    void MonoiiFightClick();
    void WinButtonClick();
    void LoseButtonClick();
    void BonusButtonClick();
    void CloseButtonClick();

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

    Game* m_game;
    BoutEngine m_engine;            // lives as long as the screen: the whole run
    std::array<QPushButton*, 4> m_tachiaiButtons{};
    std::array<QPushButton*, 6> m_exchangeButtons{};
    std::array<QLabel*, kResultLabelCount> m_resultLabels{};
    bool m_inBonus = false;
};

extern BoutScreen* boutScreen;
