// NewBanzukeScreen, the new banzuke: the revision and its text.
#pragma once

#include "screens/bashoend/StepScreen.h"

struct Game;

class NewBanzukeScreen : public StepScreen {
    Q_OBJECT
public:
    explicit NewBanzukeScreen(Game& game, QWidget* parent = nullptr);

protected:
    std::string runStep(Game& game) override;
};
