// AgeingScreen: every wrestler ages, and the list of those slowing down.
#pragma once

#include "screens/bashoend/StepScreen.h"

struct Game;

class AgeingScreen : public StepScreen {
    Q_OBJECT
public:
    explicit AgeingScreen(Game& game, QWidget* parent = nullptr);

    QLabel* m_titleLabel;
    QLabel* RikishiAgeLabel;
    QPushButton* m_okButton;

public slots:
    void runStepOnce() { runAndShow(); }   // the ageing step, on show
    void finish() { closeIfOffered(); }

protected:
    std::string runStep(Game& game) override;
};

extern AgeingScreen* ageingScreen;
