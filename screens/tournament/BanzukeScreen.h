// The banzuke view: all 40 wrestlers in East/West rows grouped by rank, with
// their record in the current basho; a click on a name opens the viewer.
#pragma once

#include "screens/ScreenDialog.h"

#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;
struct Game;

class BanzukeScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit BanzukeScreen(Game& game, QWidget* parent = nullptr);

    QLabel* m_banzukeTitleLabel = nullptr;
    QLabel* m_eastLabel = nullptr;
    QLabel* m_westLabel = nullptr;
    QPushButton* m_closeButton = nullptr;

    // The scrolling page: title, column headings and the list below them.
    QScrollArea* m_scrollArea = nullptr;
    QWidget* m_listWidget = nullptr;
    // The name buttons of the current list, in the order they were placed.
    std::vector<QPushButton*> m_nameButtons;

public slots:
    // Reads the save file and rebuilds the title and the list.
    void fillBanzuke();
    void closeBanzuke();
    // A click on the name button of roster slot `slot`.
    void viewRikishiInSlot(int slot);

signals:
    // The player asks to see the wrestler numbered `number` (1 to 40).
    void rikishiChosen(int number);

protected:
    void onShown() override;

private:
    // Where an item the rules place at x stands on this screen's page.
    int pageX(int x) const;

    int m_nameWidth = 0; // of a name button
    int m_pageWidth = 0;
    // Everything the last showing built; removed before the next one builds.
    std::vector<QWidget*> m_built;
};
