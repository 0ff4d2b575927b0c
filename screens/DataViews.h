// The tables and charts of the screens that show many numbers at once.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class QChart;
class QPalette;
class QValueAxis;
class QTableWidget;
class QWidget;

// A read-only table of whole rows, sortable by its headings, that Tab leaves
// and the arrows move in, named for a screen reader.
QTableWidget* makeTable(QWidget* parent, const char* name, const QString& spoken, const QStringList& headings);

// Fills a table with rows of values; a number sorts as a number.
void fillRows(QTableWidget* table, const std::vector<QVariantList>& rows);

// The table as tab-separated text, its headings first, for the clipboard.
QString tableText(const QTableWidget* table);

// A chart in the window's own palette: dark on a dark desktop, light on a light one.
QChart* newChart(const QString& title, const QPalette& palette);

// The basho along a chart's foot, whole numbers from first to last.
QValueAxis* bashoAxis(int first, int last);
