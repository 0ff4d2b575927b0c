// The ageing screen over the ageing step.
#include "screens/bashoend/AgeingScreen.h"

#include "rules/bashoend/Ageing.h"

AgeingScreen* ageingScreen = nullptr;

AgeingScreen::AgeingScreen(QWidget* parent)
    : StepScreen(parent, "Age", QStringLiteral("Age"), "Label1",
                 QStringLiteral("Rikishi showing signs of slowing down:"), "RikishiAgeLabel", "Button1"),
      Label1(m_title), RikishiAgeLabel(m_text), Button1(m_ok)
{
}

std::string AgeingScreen::runStep(Game& game)
{
    return ageWrestlers(game);
}
