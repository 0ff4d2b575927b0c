// The Rikishi viewer: one wrestler's whole record, stepped through in
// banzuke order by a scroll bar. It only reads the save file.
#pragma once

#include "screens/ScreenDialog.h"

class QLabel;
class QPushButton;
struct Game;
class ScrollEventBar;

class RikishiViewer : public ScreenDialog {
    Q_OBJECT
public:
    explicit RikishiViewer(Game& game, QWidget* parent = nullptr);

    // Selects wrestler `number` (1..40) and brings the viewer up. A viewer
    // already open is only raised: it goes on showing what it showed, and
    // shows the new number at its next showing or scroll.
    void showRikishi(int number);

    ScrollEventBar* m_numberBar = nullptr;
    QLabel* m_numberLabel = nullptr;
    QPushButton* m_closeButton = nullptr;

    // Named after the record fields they show. The label `height` hides
    // QWidget::height(): on this screen write QWidget::height() instead.
    QLabel* Shikona = nullptr;
    QLabel* RealName = nullptr;
    QLabel* height = nullptr;
    QLabel* weight = nullptr;
    QLabel* age = nullptr;
    QLabel* strength = nullptr;
    QLabel* jump = nullptr;
    QLabel* agility = nullptr;
    QLabel* receive = nullptr;
    QLabel* tachiai = nullptr;
    QLabel* hatakikomi = nullptr;
    QLabel* oshi = nullptr;
    QLabel* defense = nullptr;
    QLabel* yotsu = nullptr;
    QLabel* stamina = nullptr;
    QLabel* tenage = nullptr;
    QLabel* intangibles = nullptr;
    QLabel* tsuppari = nullptr;
    QLabel* potential = nullptr;
    QLabel* skill = nullptr;
    QLabel* power = nullptr;
    QLabel* yusho = nullptr;
    QLabel* junyusho = nullptr;
    QLabel* cbw = nullptr;
    QLabel* cbl = nullptr;
    QLabel* cbp = nullptr;
    QLabel* lbw = nullptr;
    QLabel* lbl = nullptr;
    QLabel* lbp = nullptr;
    QLabel* tbaw = nullptr;
    QLabel* tbal = nullptr;
    QLabel* tbap = nullptr;
    QLabel* gmw = nullptr;
    QLabel* gml = nullptr;
    QLabel* gmp = nullptr;
    QLabel* rlw = nullptr;
    QLabel* rll = nullptr;
    QLabel* rlp = nullptr;

public slots:
    // Loads the save file and fills every label for the game's viewNumber
    // (the selected wrestler, 1 to 40), which outlives the viewer's closing.
    void showViewedRikishi();
    // A scroll event: takes the bar's new position as the selected number.
    void scrollNumber(int position);
    void closeViewer();

protected:
    void onShown() override;
};
