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

    ScrollEventBar* m_numberBar;
    QLabel* m_numberLabel;
    QPushButton* m_closeButton;

    // Named after the record fields they show. The label `height` hides
    // QWidget::height(): on this screen write QWidget::height() instead.
    QLabel* Shikona;
    QLabel* RealName;
    QLabel* height;
    QLabel* weight;
    QLabel* age;
    QLabel* strength;
    QLabel* jump;
    QLabel* agility;
    QLabel* receive;
    QLabel* tachiai;
    QLabel* hatakikomi;
    QLabel* oshi;
    QLabel* defense;
    QLabel* yotsu;
    QLabel* stamina;
    QLabel* tenage;
    QLabel* intangibles;
    QLabel* tsuppari;
    QLabel* potential;
    QLabel* skill;
    QLabel* power;
    QLabel* yusho;
    QLabel* junyusho;
    QLabel* cbw;
    QLabel* cbl;
    QLabel* cbp;
    QLabel* lbw;
    QLabel* lbl;
    QLabel* lbp;
    QLabel* tbaw;
    QLabel* tbal;
    QLabel* tbap;
    QLabel* gmw;
    QLabel* gml;
    QLabel* gmp;
    QLabel* rlw;
    QLabel* rll;
    QLabel* rlp;

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

extern RikishiViewer* rikishiViewer;
