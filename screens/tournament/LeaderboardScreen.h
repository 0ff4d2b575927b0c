// LeaderboardScreen: the leaders of the basho after each of days 8 to 14.
#pragma once

#include "screens/ScreenDialog.h"

class QFrame;
class QLabel;
class QPushButton;

class LeaderboardScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit LeaderboardScreen(QWidget* parent = nullptr);

    QLabel* Label1;
    QFrame* Bevel1;
    QFrame* Bevel2;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* OKButton;

public slots:
    void FormActivate();   // fills the three texts from the game's roster and day
    void OKButtonClick();

protected:
    void onShown() override;   // once per opening
};

extern LeaderboardScreen* leaderboardScreen;
