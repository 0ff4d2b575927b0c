// The new-banzuke screen over the banzuke revision.
#include "screens/bashoend/NewBanzukeScreen.h"

#include "rules/bashoend/BanzukeRevision.h"

NewBanzukeScreen::NewBanzukeScreen(Game& game, QWidget* parent)
    : StepScreen(game, parent, "newBanzukeScreen", QStringLiteral("New Banzuke"), nullptr, QString(), "PromotionDemotionLabel",
                 "okButton")
{
}

std::string NewBanzukeScreen::runStep(Game& game)
{
    return reviseBanzuke(game);
}
