// The build lab: which build reaches Yokozuna? Up to three builds, many
// careers each, played in memory on every core while the game goes on.
#pragma once

#include "rules/career/CreationValues.h"
#include "screens/ScreenDialog.h"
#include "sim/StudyRun.h"

#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class BuildEditor;
class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;
struct Game;

// Never reads or writes the career's file: the study plays careers of its
// own in memory. Closing the window stops the study.
class BuildLab : public ScreenDialog {
    Q_OBJECT
public:
    explicit BuildLab(Game& game, QWidget* parent = nullptr);
    ~BuildLab() override;

    // Opens the lab over `opener`, modally when the opener is modal (the
    // creation screen), so that the player can use it; with `build`, build 1
    // becomes that build (unless a study is under way).
    void openOver(QWidget* opener, const CreationValues* build);

    // What the last study played and the rows the table shows.
    const StudySettings& studied() const { return m_studied; }
    const StudyReport& shown() const { return m_shown; }
    bool studying() const { return m_run && m_shown.state == StudyReport::State::Playing; }

    std::array<BuildEditor*, 3> m_buildEditors{};
    QSpinBox* m_careersBox = nullptr;
    QSpinBox* m_bashoBox = nullptr;
    QSpinBox* m_seedBox = nullptr;
    std::array<QCheckBox*, 4> m_tachiaiBoxes{};
    std::array<QCheckBox*, 6> m_moveBoxes{};
    QLabel* m_styleLabel = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_progressLabel = nullptr;
    QTableWidget* m_resultsTable = nullptr;
    QComboBox* m_rankBox = nullptr;
    QChartView* m_shareChart = nullptr;
    QComboBox* m_chosenBuildBox = nullptr;
    QSpinBox* m_careerBox = nullptr;
    QPushButton* m_replayButton = nullptr;
    QPlainTextEdit* m_replayText = nullptr;
    QPushButton* m_useButton = nullptr;
    QPushButton* m_closeButton = nullptr;

signals:
    // The player chose to make this build on the creation screen.
    void buildChosen(const CreationValues& values);

public slots:
    void startStudy();
    void cancelStudy();
    void showReplay();
    void useChosenBuild();

protected:
    void onShown() override;
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* buildBuildsPanel();
    QWidget* buildStudyPanel();
    QWidget* buildResultsPanel();
    QWidget* buildChartPanel();
    // A caption and a tick box per code, all ticked or only `onlyTicked`;
    // the row's last ticked box stays ticked.
    QLayout* tickRow(QWidget* box, const char* name, const QString& caption, QCheckBox** ticks, const char* const* words,
                     std::size_t count, int onlyTicked);
    QLayout* buildFoot();
    void setTabOrder();
    void nameControls();
    StudySettings settingsFromControls() const;
    void showReport();
    void showRows();
    void showChart();
    void setRunning(bool running);
    void keepOneTicked(QCheckBox* box, const std::vector<QCheckBox*>& group);
    void showStyle();
    void listIncludedBuilds();

    StudySettings m_studied; // the settings of the last study begun
    std::vector<int> m_studiedNumbers; // the lab's number of each build studied
    StudyReport m_shown; // the last report shown
    std::unique_ptr<StudyRun> m_run;
    QScrollArea* m_scrollArea = nullptr;
    bool m_sized = false; // given the page's size at its first showing
};
