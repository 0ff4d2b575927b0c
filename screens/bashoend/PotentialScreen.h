// PotentialScreen: the young computer wrestlers who grew this basho.
#pragma once

#include "screens/bashoend/StepScreen.h"

class PotentialScreen : public StepScreen {
    Q_OBJECT
public:
    explicit PotentialScreen(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* RikishiPotentialLabel;
    QPushButton* Button1;

public slots:
    void FormActivate() { runAndShow(); }   // the potential step, on show
    void Button1Click() { closeIfOffered(); }

protected:
    std::string runStep(Game& game) override;
};

extern PotentialScreen* potentialScreen;
