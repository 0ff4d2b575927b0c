// The twelve statistic rows of a training screen: caption, value and "+".
#pragma once

#include "rules/core/StatRows.h"

#include <array>
#include <functional>

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

struct StatRowsPanel {
    QFrame* panel = nullptr; // statPanel
    std::array<QPushButton*, kStatRowCount> buttons{}; // StrengthButton ...
    std::array<QLabel*, kStatRowCount> valueLabels{}; // StrengthLabel ...
};

// Builds the raised panel with the rows in display order, in two columns of
// six, each button named as its row and connected to onClick with itself as
// the sender (one handler tells them apart by name).
StatRowsPanel makeStatRowsPanel(QWidget* parent, const std::function<void(QPushButton* sender)>& onClick);

// The parts around the rows that both training screens share: the title
// line (titleLabel and the bold PointsLeftLabel) above them, the bevel and the
// Done button below. The caller lays the two rows out and connects Done.
struct TrainingFrame {
    QLabel* title = nullptr; // titleLabel
    QLabel* pointsLeft = nullptr; // PointsLeftLabel
    QFrame* bevel = nullptr; // doneDivider
    QPushButton* done = nullptr; // DoneButton
    QHBoxLayout* titleRow = nullptr;
    QHBoxLayout* doneRow = nullptr;
};
TrainingFrame makeTrainingFrame(QWidget* parent);
