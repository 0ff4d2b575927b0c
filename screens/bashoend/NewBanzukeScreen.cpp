// The new-banzuke screen over the banzuke revision.
#include "screens/bashoend/NewBanzukeScreen.h"

#include "rules/bashoend/BanzukeRevision.h"

TSortRikishi* SortRikishi = nullptr;

TSortRikishi::TSortRikishi(QWidget* parent)
    : StepScreen(parent, "SortRikishi", QStringLiteral("New Banzuke"), nullptr, QString(), "PromotionDemotionLabel",
                 "OKButton"),
      PromotionDemotionLabel(m_text), OKButton(m_ok)
{
}

std::string TSortRikishi::runStep(Game& game)
{
    return reviseBanzuke(game);
}
