// The Rikishi viewer: one wrestler's whole record, stepped through in
// banzuke order by a scroll bar. It only reads the save file.
#pragma once

#include "screens/ScreenDialog.h"

#include <string>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
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
    QPushButton* m_historyButton = nullptr;

    // Named after the record fields they show.
    QLabel* m_shikonaLabel = nullptr;
    QLabel* m_realNameLabel = nullptr;
    QLabel* m_heightLabel = nullptr;
    QLabel* m_weightLabel = nullptr;
    QLabel* m_ageLabel = nullptr;
    QLabel* m_strengthLabel = nullptr;
    QLabel* m_jumpLabel = nullptr;
    QLabel* m_agilityLabel = nullptr;
    QLabel* m_receiveLabel = nullptr;
    QLabel* m_tachiaiLabel = nullptr;
    QLabel* m_hatakikomiLabel = nullptr;
    QLabel* m_oshiLabel = nullptr;
    QLabel* m_defenseLabel = nullptr;
    QLabel* m_yotsuLabel = nullptr;
    QLabel* m_staminaLabel = nullptr;
    QLabel* m_tenageLabel = nullptr;
    QLabel* m_intangiblesLabel = nullptr;
    QLabel* m_tsuppariLabel = nullptr;
    QLabel* m_potentialLabel = nullptr;
    QLabel* m_skillLabel = nullptr;
    QLabel* m_powerLabel = nullptr;
    QLabel* m_yushoLabel = nullptr;
    QLabel* m_junyushoLabel = nullptr;
    QLabel* m_cbwLabel = nullptr;
    QLabel* m_cblLabel = nullptr;
    QLabel* m_cbpLabel = nullptr;
    QLabel* m_lbwLabel = nullptr;
    QLabel* m_lblLabel = nullptr;
    QLabel* m_lbpLabel = nullptr;
    QLabel* m_tbawLabel = nullptr;
    QLabel* m_tbalLabel = nullptr;
    QLabel* m_tbapLabel = nullptr;
    QLabel* m_gmwLabel = nullptr;
    QLabel* m_gmlLabel = nullptr;
    QLabel* m_gmpLabel = nullptr;
    QLabel* m_rlwLabel = nullptr;
    QLabel* m_rllLabel = nullptr;
    QLabel* m_rlpLabel = nullptr;

signals:
    // The career history of the wrestler shown, by his ring name.
    void historyWanted(const std::string& shikona);

public slots:
    // Loads the save file and fills every label for the game's viewNumber
    // (the selected wrestler, 1 to 40), which outlives the viewer's closing.
    void showViewedRikishi();
    // A scroll event: takes the bar's new position as the selected number.
    void scrollNumber(int position);
    void closeViewer();

protected:
    void onShown() override;

private:
    // The parts of the sheet, made in the order they stand on it.
    QLabel* caption(const char* name, const char* text);
    QGridLayout* buildNames(); // ring name, real name (and the body's values)
    QHBoxLayout* buildBody(); // height, weight, age
    QGridLayout* buildAbilities(); // abilities, ratings and titles
    QGridLayout* buildRecords(); // wins, losses and percentages by basho
    QVBoxLayout* buildNumberBar(); // the number, its bar and Close
};
