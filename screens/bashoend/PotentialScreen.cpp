// The potential screen over the potential step.
#include "screens/bashoend/PotentialScreen.h"

#include "rules/bashoend/Potential.h"
#include "rules/core/Game.h"

PotentialScreen* potentialScreen = nullptr;

PotentialScreen::PotentialScreen(QWidget* parent)
    : StepScreen(parent, "Potential", QStringLiteral("Potential"), "Label1",
                 QStringLiteral("Rikishi fulfilling their potential:"), "RikishiPotentialLabel", "Button1"),
      Label1(m_title), RikishiPotentialLabel(m_text), Button1(m_ok)
{
}

std::string PotentialScreen::runStep(Game& game)
{
    return fulfilPotential(game.roster, game.rng);
}
