// The potential screen over the potential step.
#include "screens/bashoend/PotentialScreen.h"

#include "rules/bashoend/Potential.h"
#include "rules/core/Game.h"

PotentialScreen::PotentialScreen(Game& game, QWidget* parent)
    : StepScreen(game, parent, "potentialScreen", QStringLiteral("Potential"), "titleLabel",
                 QStringLiteral("Rikishi fulfilling their potential:"), "RikishiPotentialLabel", "okButton")
{
}

std::string PotentialScreen::runStep(Game& game)
{
    return fulfilPotential(game.roster, game.rng);
}
