// The career's history: a table of every basho, charts of rank and
// abilities, head-to-head records, the champions and the past careers.
#pragma once

#include "screens/ScreenDialog.h"

#include <cstdint>
#include <string>

class HistoryReader;
class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
struct Game;

// Reads the history beside the career's file each time it is shown (it never
// writes it): for the player, or for the wrestler the viewer asked for.
class HistoryScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit HistoryScreen(Game& game, QWidget* parent = nullptr);

    // Shows the history of the wrestler of this ring name in the current
    // career; an empty name, or one the history does not know: the player.
    void showFor(const std::string& shikona);

    QLabel* m_titleLabel = nullptr;
    QLabel* m_knownFromLabel = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableWidget* m_careerTable = nullptr;
    QLabel* m_totalsLabel = nullptr;
    QChartView* m_rankChart = nullptr;
    QChartView* m_abilityChart = nullptr;
    QTableWidget* m_headToHeadTable = nullptr;
    QTableWidget* m_championsTable = nullptr;
    QTableWidget* m_pastCareersTable = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_closeButton = nullptr;

public slots:
    // Puts the table on the open tab on the clipboard as tab-separated text.
    void copyTable();
    // Opens the career of the chosen row of the past careers.
    void openPastCareer(int row);

protected:
    void onShown() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildControls();
    void fill();
    void fillCareer(HistoryReader& reader);
    void fillOthers(HistoryReader& reader);
    void showNoHistory(const QString& why);
    QTableWidget* shownTable() const;

    std::string m_wanted; // the ring name asked for; empty: the player
    std::int64_t m_career = 0; // 0: the current (last) career
};
