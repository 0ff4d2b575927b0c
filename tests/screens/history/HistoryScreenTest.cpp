// The history screen over a history that kirimaki-sim recorded: the career
// table and its totals, sorting, copying, the other tabs, past careers, and
// a career without any history.
#include "rules/core/Game.h"
#include "screens/history/HistoryScreen.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Runs kirimaki-sim in the current folder; its exit status.
int sim(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(KIRIMAKI_SIM), arguments);
    p.waitForFinished(120000);
    return p.exitCode();
}

int column(const QTableWidget* t, const QString& heading)
{
    for (int c = 0; c < t->columnCount(); ++c)
        if (t->horizontalHeaderItem(c)->text() == heading)
            return c;
    return -1;
}

} // namespace

class HistoryScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }

    void aCareerWithoutHistorySaysSo()
    {
        Game game;
        HistoryScreen screen(game);
        screen.show();
        QVERIFY(screen.m_knownFromLabel->text().startsWith(QStringLiteral("No history")));
        QCOMPARE(screen.m_careerTable->rowCount(), 0);
        screen.hide();
    }

    void theCareerItsTotalsAndEveryTab()
    {
        QCOMPARE(sim({"new", "--shikona", "Tabiji", "--stats", "6,5,4,1,1,1,5,1,1,1,1,1"}), 0);
        // The README's pictures are of a longer career: KIRIMAKI_HISTORY_BASHO=30.
        const int basho = qEnvironmentVariableIsSet("KIRIMAKI_HISTORY_BASHO") ? qEnvironmentVariableIntValue("KIRIMAKI_HISTORY_BASHO") : 4;
        QCOMPARE(sim({"play", "--basho", QString::number(basho), "--seed", "7", "--tachiai", "1,3", "--moves", "1,3"}), 0);
        QCOMPARE(sim({"new", "--shikona", "Nidome"}), 0); // a second career: the first is kept
        QCOMPARE(sim({"play", "--basho", "2", "--seed", "8"}), 0);

        Game game;
        HistoryScreen screen(game);
        screen.show();
        QCOMPARE(screen.m_titleLabel->text(), QStringLiteral("The career of Nidome"));
        QCOMPARE(screen.m_careerTable->rowCount(), 3); // two basho done, the third begun
        QVERIFY2(screen.m_totalsLabel->text().startsWith(QStringLiteral("3 basho, ")), qPrintable(screen.m_totalsLabel->text()));
        QCOMPARE(screen.m_championsTable->rowCount(), 2);
        QVERIFY(screen.m_headToHeadTable->rowCount() > 0);
        QCOMPARE(screen.m_pastCareersTable->rowCount(), 2);
        QVERIFY(screen.m_rankChart->chart() && screen.m_abilityChart->chart());
        QVERIFY(screen.m_rankChart->accessibleDescription().contains(QStringLiteral("highest")));

        // A heading sorts; the copy is the table as the player sees it.
        QTableWidget* h2h = screen.m_headToHeadTable;
        h2h->sortItems(column(h2h, QStringLiteral("Wins")), Qt::DescendingOrder);
        for (int r = 1; r < h2h->rowCount(); ++r)
            QVERIFY(h2h->item(r - 1, 1)->data(Qt::DisplayRole).toInt() >= h2h->item(r, 1)->data(Qt::DisplayRole).toInt());
        screen.m_tabs->setCurrentWidget(h2h);
        QTest::keyClick(&screen, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), h2h->rowCount() + 1);
        QCOMPARE(copied.front(), QStringLiteral("Opponent\tWins\tLosses"));
        QVERIFY(copied[1].startsWith(h2h->item(0, 0)->text() + QLatin1Char('\t')));

        // The past careers open the first one, known from its first day.
        screen.openPastCareer(0);
        QCOMPARE(screen.m_titleLabel->text(), QStringLiteral("The career of Tabiji"));
        QCOMPARE(screen.m_careerTable->rowCount(), basho + 1);
        QVERIFY(screen.m_knownFromLabel->text().startsWith(QStringLiteral("Known from the first day")));
        screen.m_tabs->setCurrentIndex(1);
        if (!qEnvironmentVariableIsEmpty("KIRIMAKI_HISTORY_PICTURES")) {
            screen.resize(900, 620);
            screen.grab().save(qEnvironmentVariable("KIRIMAKI_HISTORY_PICTURES") + "/history-rank.png");
            screen.m_tabs->setCurrentIndex(0);
            screen.grab().save(qEnvironmentVariable("KIRIMAKI_HISTORY_PICTURES") + "/history.png");
        }
        screen.hide();
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(HistoryScreenTest)
#include "HistoryScreenTest.moc"
