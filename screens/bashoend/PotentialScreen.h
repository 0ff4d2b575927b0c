// PotentialScreen: the young computer wrestlers who grew this basho.
#pragma once

#include "screens/bashoend/StepScreen.h"

struct Game;

class PotentialScreen : public StepScreen {
    Q_OBJECT
public:
    explicit PotentialScreen(Game& game, QWidget* parent = nullptr);

protected:
    std::string runStep(Game& game) override;
};
