// The ageing screen over the ageing step.
#include "screens/bashoend/AgeingScreen.h"

#include "rules/bashoend/Ageing.h"

AgeingScreen::AgeingScreen(Game& game, QWidget* parent)
    : StepScreen(game, parent, "ageingScreen", QStringLiteral("Age"), "titleLabel",
                 QStringLiteral("Rikishi showing signs of slowing down:"), "RikishiAgeLabel", "okButton")
{
}

std::string AgeingScreen::runStep(Game& game)
{
    return ageWrestlers(game);
}
