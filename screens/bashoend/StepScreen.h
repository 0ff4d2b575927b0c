// A screen that runs one end-of-basho step when shown, shows its text and saves.
#pragma once

#include "screens/ScreenDialog.h"

#include <string>

class QLabel;
class QPushButton;
struct Game;

// The potential, ageing and new-banzuke screens share this shape: the step
// runs exactly once per opening (a second run would age everybody twice or
// shift the win history again), its finished text goes into one
// word-wrapped label, the roster is saved, and the OK button closes.
class StepScreen : public ScreenDialog {
    Q_OBJECT
public:
    QLabel* titleLabel() const { return m_titleLabel; } // null without a title line
    QLabel* textLabel() const { return m_textLabel; }
    QPushButton* okButton() const { return m_okButton; }

protected:
    // `title` may be null for a screen without a title line.
    StepScreen(Game& game, QWidget* parent, const char* objectName, const QString& caption, const char* titleName,
               const QString& title, const char* textName, const char* okName);

    // The step on the game; returns the text to show.
    virtual std::string runStep(Game& game) = 0;

    void onShown() override;
    void runAndShow(); // the step, its text, the save
    void closeIfOffered();

    QLabel* m_titleLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    QPushButton* m_okButton = nullptr;
    bool m_unsaved = false; // the step ran but its save failed: OK saves again
};
