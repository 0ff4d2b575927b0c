// The buttons and labels every screen makes, and the check a click handler makes.
#pragma once

#include <QString>

class QFontMetrics;
class QLabel;
class QPushButton;
class QWidget;

// A push button with its object name, caption (with & for the mnemonic) and
// no auto-default, so Enter in an edit never presses it.
QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption);

// A label with its object name that shows text, never markup.
QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& caption = QString());

// A click can arrive from a mnemonic after the button was hidden or disabled:
// handlers act only when their button is really offered.
bool isOffered(const QPushButton* button);

// The widest text of `characters` characters that a name from the save file
// can be in `metrics`' font: that many of its widest Latin-1 letter.
// Columns that show names are made at least this wide.
QString widestName(const QFontMetrics& metrics, int characters);
