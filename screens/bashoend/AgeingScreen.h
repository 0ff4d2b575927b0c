// AgeingScreen: every wrestler ages, and the list of those slowing down.
#pragma once

#include "screens/bashoend/StepScreen.h"

struct Game;

class AgeingScreen : public StepScreen {
    Q_OBJECT
public:
    explicit AgeingScreen(Game& game, QWidget* parent = nullptr);

protected:
    std::string runStep(Game& game) override;
};
