// AgeingScreen: every wrestler ages, and the list of those slowing down.
#pragma once

#include "screens/bashoend/StepScreen.h"

class AgeingScreen : public StepScreen {
    Q_OBJECT
public:
    explicit AgeingScreen(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* RikishiAgeLabel;
    QPushButton* Button1;

public slots:
    void FormActivate() { runAndShow(); }   // the ageing step, on show
    void Button1Click() { closeIfOffered(); }

protected:
    std::string runStep(Game& game) override;
};

extern AgeingScreen* ageingScreen;
