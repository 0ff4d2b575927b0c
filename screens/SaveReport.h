// Loading and saving the career from a screen, with the failures reported.
#pragma once

#include "rules/core/SaveFile.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;
struct Game;

// How a missing or unreadable save file is reported: shows the file-error
// box modally over `parent`, naming `savePath`, and returns when the player
// has dismissed it. The owner of the screens sets it once its error box
// exists; until then nothing is shown.
using FileErrorReporter = std::function<void(QWidget* parent, const std::string& savePath)>;
void setFileErrorReporter(FileErrorReporter reporter);

// Loads the career into `game`. On failure reports the file error and
// closes `screen` from a queued call (not inside its show event, which
// would leave a ghost window); returns false, and the caller's handler
// stops there.
bool loadRosterOrReport(QWidget* screen, Game& game);

// Saves the roster of `game`; a failure is reported in a message box on top
// of `screen`: what failed, the file's full path, that nothing was lost, and
// `retry` (the button that tries again). Returns whether the save succeeded.
bool saveRosterOrReport(QWidget* screen, const Game& game, const QString& retry = QString());

// Saves a step's result as saveRosterOrReport does; true when the step's own
// button is to save it again: never after a success, nor when another
// program has written a newer file (nothing can be saved over it; the step
// is given up, as the box says, and the next step starts from that file).
bool stepLeftUnsaved(QWidget* screen, const Game& game, const QString& retry);

// Reports a save that failed as saveRosterOrReport does; true when it worked.
// A failure that trying again cannot mend names no button to retry with.
bool reportIfSaveFailed(QWidget* screen, const SaveResult& result, const QString& retry = QString());

// Tells the player what became of the career's history (set aside, or not
// written): a message box over `parent` (or none yet, when it is null), shown
// from a queued call, since the history speaks in the middle of a load or save.
void reportHistoryNotice(QWidget* parent, const std::string& message);

// While one lives, a failed save is reported once: a second failure with
// the same cause (the bout's own save, then the day's save after it, in a
// folder that became read-only) shows no second, identical box.
class OneSaveReport {
public:
    OneSaveReport();
    ~OneSaveReport();
    OneSaveReport(const OneSaveReport&) = delete;
    OneSaveReport& operator=(const OneSaveReport&) = delete;
};
