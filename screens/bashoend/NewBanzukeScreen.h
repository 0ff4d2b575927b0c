// NewBanzukeScreen, the new banzuke: the revision and its text.
#pragma once

#include "screens/bashoend/StepScreen.h"

class NewBanzukeScreen : public StepScreen {
    Q_OBJECT
public:
    explicit NewBanzukeScreen(QWidget* parent = nullptr);

    QLabel* PromotionDemotionLabel;
    QPushButton* OKButton;

public slots:
    void FormActivate() { runAndShow(); }   // the whole revision, once per opening
    void OKButtonClick() { closeIfOffered(); }

protected:
    std::string runStep(Game& game) override;
};

extern NewBanzukeScreen* newBanzukeScreen;
