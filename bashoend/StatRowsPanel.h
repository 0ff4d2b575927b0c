// The twelve statistic rows of a training screen: caption, value and "+".
#pragma once

#include "bashoend/StatRows.h"

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

struct StatRowsPanel {
    QFrame* panel = nullptr;                               // Panel1
    std::array<QPushButton*, kStatRowCount> buttons{};     // StrengthButton ...
    std::array<QLabel*, kStatRowCount> valueLabels{};      // StrengthLabel ...
};

// Builds the raised panel with the rows in display order, in two columns of
// six, each button named as its row and connected to onClick with itself as
// the sender (one handler tells them apart by name).
StatRowsPanel makeStatRowsPanel(QWidget* parent, const std::function<void(QPushButton* sender)>& onClick);
