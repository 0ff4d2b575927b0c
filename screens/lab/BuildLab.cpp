// The build lab: the builds, the study's options, its progress and its results.
#include "screens/lab/BuildLab.h"

#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/DataViews.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"
#include "screens/lab/BuildEditor.h"
#include "screens/lab/ShareChart.h"
#include "sim/StudyBuilds.h"
#include "sim/StudyWords.h"

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <thread>

namespace {

QSpinBox* makeNumberBox(QWidget* parent, const char* name, int min, int max, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(min, max);
    box->setValue(value);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QCheckBox* makeTick(QWidget* parent, const QString& name, const char* caption, bool on)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

std::vector<int> tickedCodes(const QCheckBox* const* boxes, std::size_t count)
{
    std::vector<int> codes;
    for (std::size_t i = 0; i < count; ++i)
        if (boxes[i]->isChecked())
            codes.push_back(static_cast<int>(i) + 1);
    return codes;
}

} // namespace

BuildLab::BuildLab(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("buildLab"));
    setWindowTitle(QStringLiteral("Build Lab"));
    setModal(false);
    setTitleBoxes(this, TitleBoxes::Sizeable);

    // On a small or scaled screen the panels scroll and keep their sizes;
    // the foot, with Use This Build and Close, stays in sight.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("labPage"));
    auto* right = new QVBoxLayout;
    right->addWidget(buildStudyPanel());
    right->addWidget(buildChartPanel(), 1);
    auto* top = new QHBoxLayout;
    top->addWidget(buildBuildsPanel());
    top->addLayout(right, 1);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(top, 1);
    pageLayout->addWidget(buildResultsPanel());
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(page);
    m_scrollArea->horizontalScrollBar()->setAccessibleName(QStringLiteral("Scroll the lab across"));
    m_scrollArea->verticalScrollBar()->setAccessibleName(QStringLiteral("Scroll the lab down"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scrollArea, 1);
    layout->addLayout(buildFoot());
    setTabOrder();
    nameControls();
    setRunning(false);
    showStyle();
    listIncludedBuilds();
    showChart();
    m_progressLabel->setText(QStringLiteral("Choose the builds and press Start."));
}

BuildLab::~BuildLab() = default;

QWidget* BuildLab::buildBuildsPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Builds"), this);
    auto* grid = new QGridLayout(box);
    QStringList captions{QString(), QStringLiteral("Height (cm)"), QStringLiteral("Weight (kg)"), QStringLiteral("Body points left")};
    for (const char* name : kAbilityNames)
        captions << QString::fromLatin1(name);
    captions << QStringLiteral("Ability points left");
    for (int row = 1; row < captions.size(); ++row)
        grid->addWidget(makeLabel(box, nullptr, captions[row]), row, 0);
    for (int b = 0; b < 3; ++b) {
        auto* editor = new BuildEditor(box, b + 1);
        editor->addTo(grid, b + 1);
        m_buildEditors[static_cast<std::size_t>(b)] = editor;
        connect(editor, &BuildEditor::changed, this, &BuildLab::listIncludedBuilds);
        // A build ticked for the first time starts as a copy of build 1, to
        // be changed a little and compared.
        connect(editor, &BuildEditor::firstIncluded, this,
                [this](BuildEditor* e) { e->setValues(m_buildEditors[0]->values()); });
    }
    grid->setRowStretch(static_cast<int>(captions.size()), 1); // the rows stay together at the top
    return box;
}

QWidget* BuildLab::buildStudyPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Study"), this);
    m_careersBox = makeNumberBox(box, "careersBox", 1, 100000, 200);
    m_bashoBox = makeNumberBox(box, "bashoBox", 1, 200, 30);
    m_seedBox = makeNumberBox(box, "seedBox", 0, 2147483647, 1);
    auto* numbers = new QGridLayout;
    const std::pair<const char*, QSpinBox*> fields[] = {
        {"C&areers of each build", m_careersBox}, {"&Basho in each career", m_bashoBox}, {"S&eed", m_seedBox}};
    int row = 0;
    for (const auto& [caption, field] : fields) {
        QLabel* l = makeLabel(box, nullptr, QString::fromLatin1(caption));
        tieLabel(l, field);
        numbers->addWidget(l, row, 0);
        numbers->addWidget(field, row++, 1);
    }
    QLayout* tachiai = tickRow(box, "tachiai", QStringLiteral("At the tachiai:"), m_tachiaiBoxes.data(), kTachiaiWords,
                               m_tachiaiBoxes.size(), 1);
    // Every strategy in turn: one alone is read by the field, and a lab whose
    // first study shows no build reaching anything teaches nothing.
    QLayout* moves = tickRow(box, "move", QStringLiteral("In the exchanges:"), m_moveBoxes.data(), kMoveWords, m_moveBoxes.size(), -1);
    m_styleLabel = makeLabel(box, "styleLabel");
    m_styleLabel->setWordWrap(true);

    m_startButton = makeButton(box, "startButton", QStringLiteral("&Start"));
    m_cancelButton = makeButton(box, "cancelButton", QStringLiteral("&Cancel"));
    m_progressBar = new QProgressBar(box);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 1);
    m_progressBar->setValue(0);
    m_progressLabel = makeLabel(box, "progressLabel");
    m_progressLabel->setWordWrap(true);
    connect(m_startButton, &QPushButton::clicked, this, &BuildLab::startStudy);
    connect(m_cancelButton, &QPushButton::clicked, this, &BuildLab::cancelStudy);
    auto* run = new QHBoxLayout;
    run->addWidget(m_startButton);
    run->addWidget(m_cancelButton);
    run->addWidget(m_progressBar, 1);

    auto* layout = new QVBoxLayout(box);
    layout->addLayout(numbers);
    layout->addSpacing(8);
    layout->addWidget(makeLabel(box, "styleCaption", QStringLiteral("The autopilot fights each bout, taking in turn:")));
    layout->addLayout(tachiai);
    layout->addLayout(moves);
    layout->addWidget(m_styleLabel);
    layout->addStretch();
    layout->addLayout(run);
    layout->addWidget(m_progressLabel);
    return box;
}

QLayout* BuildLab::tickRow(QWidget* box, const char* name, const QString& caption, QCheckBox** ticks, const char* const* words,
                           std::size_t count, int onlyTicked)
{
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(box, qPrintable(QString::fromLatin1(name) + QStringLiteral("Caption")), caption));
    for (std::size_t i = 0; i < count; ++i) {
        const bool on = onlyTicked < 0 || static_cast<std::size_t>(onlyTicked) == i;
        ticks[i] = makeTick(box, QStringLiteral("%1%2Box").arg(QString::fromLatin1(name)).arg(i + 1), words[i], on);
        row->addWidget(ticks[i]);
    }
    row->addStretch();
    const std::vector<QCheckBox*> group(ticks, ticks + count);
    for (QCheckBox* b : group)
        connect(b, &QCheckBox::toggled, this, [this, b, group] { keepOneTicked(b, group); });
    return row;
}

QWidget* BuildLab::buildResultsPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Results"), this);
    m_resultsTable = makeTable(box, "resultsTable", QStringLiteral("Results"),
                               {"Build", "Careers", "Komusubi", "Sekiwake", "Ozeki", "Yokozuna", "Basho to Ozeki",
                                "Mean yusho", "Kachi-koshi"});
    m_resultsTable->setAccessibleDescription(
        QStringLiteral("One row per build: the share of careers that reached each rank, the median basho to Ozeki, the "
                       "mean yusho and the share of basho with a winning record. Ctrl+C copies the table."));
    // Room for the three builds from the start, so that nothing moves when
    // the first rows come.
    const int rows = m_resultsTable->horizontalHeader()->sizeHint().height() +
                     3 * m_resultsTable->verticalHeader()->defaultSectionSize() + 2 * m_resultsTable->frameWidth();
    m_resultsTable->setFixedHeight(rows);
    connect(m_resultsTable, &QTableWidget::currentCellChanged, this, [this](int row) {
        const QTableWidgetItem* item = row >= 0 ? m_resultsTable->item(row, 0) : nullptr;
        const int at = item ? m_chosenBuildBox->findData(item->data(Qt::DisplayRole)) : -1;
        if (at >= 0)
            m_chosenBuildBox->setCurrentIndex(at);
    });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_resultsTable);
    return box;
}

QWidget* BuildLab::buildChartPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Chart"), this);
    m_rankBox = new QComboBox(box);
    m_rankBox->setObjectName(QStringLiteral("rankBox"));
    for (int rank = kKomusubi; rank <= kYokozuna; ++rank)
        m_rankBox->addItem(QString::fromLatin1(kRankWords[rank]) + QStringLiteral(" or above"), rank);
    m_rankBox->setCurrentIndex(kOzeki - kKomusubi);
    connect(m_rankBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &BuildLab::showChart);
    m_shareChart = new QChartView(box);
    m_shareChart->setObjectName(QStringLiteral("shareChart"));
    m_shareChart->setRenderHint(QPainter::Antialiasing);
    m_shareChart->setMinimumSize(420, 260);
    m_shareChart->setFocusPolicy(Qt::TabFocus); // a screen reader reaches it and reads its summary

    auto* rankRow = new QHBoxLayout;
    QLabel* rankCaption = makeLabel(box, "rankCaption", QStringLiteral("S&hare of careers at:"));
    tieLabel(rankCaption, m_rankBox);
    rankRow->addWidget(rankCaption);
    rankRow->addWidget(m_rankBox, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(rankRow);
    layout->addWidget(m_shareChart, 1);
    return box;
}

QLayout* BuildLab::buildFoot()
{
    m_chosenBuildBox = new QComboBox(this);
    m_chosenBuildBox->setObjectName(QStringLiteral("chosenBuildBox"));
    m_careerBox = makeNumberBox(this, "careerBox", 1, 100000, 1);
    m_replayButton = makeButton(this, "replayButton", QStringLiteral("Show Re&play"));
    m_replayText = new QPlainTextEdit(this);
    m_replayText->setObjectName(QStringLiteral("replayText"));
    m_replayText->setReadOnly(true);
    m_replayText->setTabChangesFocus(true);
    m_replayText->setMaximumHeight(m_replayText->fontMetrics().lineSpacing() * 3 + 12);
    m_replayText->setPlaceholderText(QStringLiteral("The commands that play a career of the study again"));
    m_useButton = makeButton(this, "useBuildButton", QStringLiteral("&Use This Build"));
    m_closeButton = makeButton(this, "closeButton", QStringLiteral("C&lose"));
    connect(m_replayButton, &QPushButton::clicked, this, &BuildLab::showReplay);
    connect(m_useButton, &QPushButton::clicked, this, &BuildLab::useChosenBuild);
    connect(m_closeButton, &QPushButton::clicked, this, [this] {
        if (isOffered(m_closeButton))
            close();
    });

    QLabel* buildCaption = makeLabel(this, "chosenBuildCaption", QStringLiteral("Bu&ild:"));
    tieLabel(buildCaption, m_chosenBuildBox);
    QLabel* careerCaption = makeLabel(this, "careerCaption", QStringLiteral("Ca&reer:"));
    tieLabel(careerCaption, m_careerBox);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(buildCaption);
    chooser->addWidget(m_chosenBuildBox);
    chooser->addWidget(m_useButton);
    chooser->addSpacing(16);
    chooser->addWidget(careerCaption);
    chooser->addWidget(m_careerBox);
    chooser->addWidget(m_replayButton);
    chooser->addStretch();
    chooser->addWidget(m_closeButton);
    QLabel* replayCaption = makeLabel(this, "replayCaption", QStringLiteral("Replay commands:"));
    tieLabel(replayCaption, m_replayText);
    auto* foot = new QVBoxLayout;
    foot->addLayout(chooser);
    foot->addWidget(replayCaption);
    foot->addWidget(m_replayText);
    return foot;
}

void BuildLab::setTabOrder()
{
    std::vector<QWidget*> order;
    for (BuildEditor* e : m_buildEditors) {
        order.push_back(e->m_heading);
        order.push_back(e->m_heightBox);
        order.push_back(e->m_weightBox);
        order.insert(order.end(), e->m_abilityBoxes.begin(), e->m_abilityBoxes.end());
    }
    order.insert(order.end(), {m_careersBox, m_bashoBox, m_seedBox});
    order.insert(order.end(), m_tachiaiBoxes.begin(), m_tachiaiBoxes.end());
    order.insert(order.end(), m_moveBoxes.begin(), m_moveBoxes.end());
    order.insert(order.end(), {m_startButton, m_cancelButton, m_rankBox, m_shareChart, m_resultsTable, m_chosenBuildBox,
                               m_useButton, m_careerBox, m_replayButton, m_replayText, m_closeButton});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void BuildLab::nameControls()
{
    nameControl(m_progressBar, QStringLiteral("Careers played"));
    nameControl(m_shareChart, QStringLiteral("Share chart"));
    nameControl(m_chosenBuildBox, QStringLiteral("Chosen build"),
                QStringLiteral("The build that Use This Build takes and whose career Show Replay shows"));
    m_replayText->setAccessibleDescription(
        QStringLiteral("The new and play command lines of kirimaki-sim that play the chosen career again"));
    nameControl(m_startButton, QStringLiteral("Start"), QStringLiteral("Plays the careers of every ticked build"));
    nameControl(m_cancelButton, QStringLiteral("Cancel"), QStringLiteral("Stops the study; the results so far stay"));
    nameControl(m_useButton, QStringLiteral("Use This Build"),
                QStringLiteral("Puts the chosen build on the creation screen"));
    const auto nameGroup = [](auto& boxes, const QString& what) {
        for (QCheckBox* b : boxes)
            nameControl(b, b->text() + QLatin1Char(' ') + what);
    };
    nameGroup(m_tachiaiBoxes, QStringLiteral("at the tachiai"));
    nameGroup(m_moveBoxes, QStringLiteral("in the exchanges"));
}

void BuildLab::openOver(QWidget* opener, const CreationValues* build)
{
    const QWidget* window = opener ? opener->window() : nullptr;
    const bool modal = window && window->isModal();
    if (isVisible() && (windowModality() != Qt::NonModal) != modal) {
        // The modality changes only while hidden, and hiding stops the
        // study: it is ended here, so that the build asked for is taken.
        hide();
        if (m_run) {
            m_run->finish();
            showReport();
        }
    }
    if (!isVisible())
        setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    if (build && !studying())
        m_buildEditors[0]->setValues(*build);
    bringUp(this);
}

void BuildLab::onShown()
{
    if (!m_sized) {
        // The whole page at its own size, as far as the screen has room:
        // the scroll area alone would ask for a fraction of it.
        m_sized = true;
        const QSize whole = layout()->sizeHint();
        const QSize area = m_scrollArea->sizeHint();
        const QSize page = m_scrollArea->widget()->sizeHint();
        resize(std::max(whole.width(), whole.width() - area.width() + page.width()), whole.height() - area.height() + page.height());
    }
    fitInsideScreen(this);
    m_buildEditors[0]->m_heightBox->setFocus(Qt::OtherFocusReason);
}

void BuildLab::hideEvent(QHideEvent* e)
{
    // A study nobody sees is not wanted: going away stops it.
    if (m_run)
        m_run->stop();
    ScreenDialog::hideEvent(e);
}

void BuildLab::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Copy) && m_resultsTable->hasFocus()) {
        QApplication::clipboard()->setText(tableText(m_resultsTable));
        e->accept();
        return;
    }
    ScreenDialog::keyPressEvent(e);
}

void BuildLab::keepOneTicked(QCheckBox* box, const std::vector<QCheckBox*>& group)
{
    // The autopilot needs something to do: the last ticked box stays ticked.
    if (!box->isChecked() && std::none_of(group.begin(), group.end(), [](const QCheckBox* b) { return b->isChecked(); })) {
        box->setChecked(true);
        return;
    }
    showStyle();
}

void BuildLab::showStyle()
{
    const StudySettings s = settingsFromControls();
    m_styleLabel->setText(toQt(styleWords(s.tachiai, s.moves)));
}

void BuildLab::listIncludedBuilds()
{
    if (!m_chosenBuildBox)
        return; // the editors report their first values before the foot is made
    const QVariant chosen = m_chosenBuildBox->currentData();
    m_chosenBuildBox->clear();
    for (const BuildEditor* e : m_buildEditors)
        if (e->included())
            m_chosenBuildBox->addItem(QStringLiteral("Build %1").arg(e->number()), e->number());
    const int at = m_chosenBuildBox->findData(chosen);
    m_chosenBuildBox->setCurrentIndex(at >= 0 ? at : 0);
}

StudySettings BuildLab::settingsFromControls() const
{
    StudySettings s;
    for (const BuildEditor* e : m_buildEditors)
        if (e->included())
            s.builds.push_back(buildOf(e->values()));
    s.careers = m_careersBox->value();
    s.basho = m_bashoBox->value();
    s.master = static_cast<std::uint32_t>(m_seedBox->value());
    s.tachiai = tickedCodes(m_tachiaiBoxes.data(), m_tachiaiBoxes.size());
    s.moves = tickedCodes(m_moveBoxes.data(), m_moveBoxes.size());
    s.threads = std::max(1u, std::thread::hardware_concurrency());
    return s;
}

void BuildLab::startStudy()
{
    if (!isOffered(m_startButton))
        return;
    m_studied = settingsFromControls();
    m_studiedNumbers.clear();
    for (const BuildEditor* e : m_buildEditors)
        if (e->included())
            m_studiedNumbers.push_back(e->number());
    m_shown = StudyReport{};
    m_shown.careersTotal = static_cast<long>(m_studied.builds.size()) * m_studied.careers;
    m_run.reset(); // the last study has ended: Start is offered only then
    m_run = std::make_unique<StudyRun>(m_studied, [this] {
        QMetaObject::invokeMethod(this, &BuildLab::showReport, Qt::QueuedConnection);
    });
    setRunning(true);
    showRows();
    showChart();
    m_replayText->clear();
    m_careerBox->setMaximum(m_studied.careers);
    showReport();
    m_cancelButton->setFocus(Qt::OtherFocusReason);
}

void BuildLab::cancelStudy()
{
    if (!isOffered(m_cancelButton) || !m_run)
        return;
    m_run->stop();
    m_progressLabel->setText(QStringLiteral("Stopping..."));
}

void BuildLab::setRunning(bool running)
{
    for (BuildEditor* e : m_buildEditors)
        e->setEditable(!running);
    for (QWidget* w : {static_cast<QWidget*>(m_careersBox), static_cast<QWidget*>(m_bashoBox), static_cast<QWidget*>(m_seedBox)})
        w->setEnabled(!running);
    for (QCheckBox* b : m_tachiaiBoxes)
        b->setEnabled(!running);
    for (QCheckBox* b : m_moveBoxes)
        b->setEnabled(!running);
    const bool focusOnCancel = m_cancelButton->hasFocus();
    m_startButton->setEnabled(!running);
    m_cancelButton->setEnabled(running);
    if (!running && focusOnCancel)
        m_startButton->setFocus(Qt::OtherFocusReason);
}

void BuildLab::showReport()
{
    if (!m_run)
        return;
    const StudyReport report = m_run->report();
    const bool newRows = report.careersEach != m_shown.careersEach;
    const bool ended = report.state != StudyReport::State::Playing && m_shown.state == StudyReport::State::Playing;
    m_shown = report;
    m_progressBar->setRange(0, static_cast<int>(report.careersTotal));
    m_progressBar->setValue(static_cast<int>(report.careersDone));
    if (newRows) {
        showRows();
        showChart();
    }
    if (report.state == StudyReport::State::Playing) {
        if (m_progressLabel->text() != QStringLiteral("Stopping..."))
            m_progressLabel->setText(toQt(progressWords(report.careersDone, report.careersTotal, report.seconds)));
        return;
    }
    if (!ended)
        return;
    const QString each = QStringLiteral("%1 careers of each build").arg(report.careersEach);
    switch (report.state) {
    case StudyReport::State::Finished:
        m_progressLabel->setText(QStringLiteral("Done: %1 in %2 s.").arg(each).arg(report.seconds, 0, 'f', 1));
        break;
    case StudyReport::State::Stopped:
        m_progressLabel->setText(report.careersEach ? QStringLiteral("Stopped. The results are of the first %1.").arg(each)
                                                    : QStringLiteral("Stopped before the first results."));
        break;
    default: m_progressLabel->setText(QStringLiteral("The study failed: ") + toQt(report.failure)); break;
    }
    setRunning(false);
    announce(m_progressLabel);
}

void BuildLab::showRows()
{
    std::vector<QVariantList> lines;
    for (std::size_t r = 0; r < m_shown.rows.size(); ++r) {
        const BuildSummary& s = m_shown.rows[r];
        lines.push_back({m_studiedNumbers[r], s.careers, toQt(percentWords(s.reached[kKomusubi])),
                         toQt(percentWords(s.reached[kSekiwake])), toQt(percentWords(s.reached[kOzeki])),
                         toQt(percentWords(s.reached[kYokozuna])), toQt(medianWords(s.medianBashoToOzeki)),
                         QString::number(s.meanYusho, 'f', 2), toQt(percentWords(s.kachiKoshiRate))});
    }
    fillRows(m_resultsTable, lines);
}

void BuildLab::showChart()
{
    const int rank = m_rankBox->currentData().toInt();
    m_shareChart->setChart(makeShareChart(m_shown.rows, m_studiedNumbers, rank, m_shown.rows.empty() ? m_bashoBox->value() : m_studied.basho,
                                          palette()));
    m_shareChart->setAccessibleDescription(toQt(shareWords(m_shown.rows, m_studiedNumbers, rank)));
}

void BuildLab::showReplay()
{
    if (!isOffered(m_replayButton))
        return;
    const int number = m_chosenBuildBox->currentData().toInt();
    const auto at = std::find(m_studiedNumbers.begin(), m_studiedNumbers.end(), number);
    if (m_shown.rows.empty() || at == m_studiedNumbers.end()) {
        m_replayText->setPlainText(QStringLiteral("Build %1 has no careers in the table yet: press Start first.").arg(number));
    } else {
        const int career = std::min(m_careerBox->value(), m_studied.careers);
        const ReplayLines lines = replayLines(m_studied, static_cast<int>(at - m_studiedNumbers.begin()) + 1, career);
        m_replayText->setPlainText(toQt(lines.newLine + "\n" + lines.playLine));
    }
    announce(m_replayText);
}

void BuildLab::useChosenBuild()
{
    if (!isOffered(m_useButton))
        return;
    const int number = m_chosenBuildBox->currentData().toInt();
    if (number < 1 || number > 3)
        return;
    const CreationValues values = m_buildEditors[static_cast<std::size_t>(number - 1)]->values();
    close();
    emit buildChosen(values);
}
