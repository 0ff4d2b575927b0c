// LeaderboardScreen: the leaders of the basho after each of days 8 to 14.
#pragma once

#include "screens/ScreenDialog.h"

class QFrame;
class QLabel;
class QPushButton;
struct Game;

class LeaderboardScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit LeaderboardScreen(Game& game, QWidget* parent = nullptr);

    QLabel* m_titleLabel = nullptr;
    QFrame* m_upperDivider = nullptr;
    QFrame* m_lowerDivider = nullptr;
    QLabel* m_leadersLabel = nullptr;
    QLabel* m_chasersLabel = nullptr;
    QPushButton* m_okButton = nullptr;

public slots:
    void fillLeaderboard(); // fills the three texts from the game's roster and day
    void closeLeaderboard();

protected:
    void onShown() override; // once per opening
};
