// The ageing screen over the ageing step.
#include "screens/bashoend/AgeingScreen.h"

#include "rules/bashoend/Ageing.h"

AgeingScreen* ageingScreen = nullptr;

AgeingScreen::AgeingScreen(Game& game, QWidget* parent)
    : StepScreen(game, parent, "ageingScreen", QStringLiteral("Age"), "titleLabel",
                 QStringLiteral("Rikishi showing signs of slowing down:"), "RikishiAgeLabel", "okButton"),
      m_titleLabel(m_title), RikishiAgeLabel(m_text), m_okButton(m_ok)
{
}

std::string AgeingScreen::runStep(Game& game)
{
    return ageWrestlers(game);
}
