// PotentialScreen: the young computer wrestlers who grew this basho.
#pragma once

#include "screens/bashoend/StepScreen.h"

struct Game;

class PotentialScreen : public StepScreen {
    Q_OBJECT
public:
    explicit PotentialScreen(Game& game, QWidget* parent = nullptr);

    QLabel* m_titleLabel;
    QLabel* RikishiPotentialLabel;
    QPushButton* m_okButton;

public slots:
    void runStepOnce() { runAndShow(); }   // the potential step, on show
    void finish() { closeIfOffered(); }

protected:
    std::string runStep(Game& game) override;
};

extern PotentialScreen* potentialScreen;
