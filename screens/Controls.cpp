// The buttons and labels of the screens.
#include "screens/Controls.h"

#include <QChar>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(objectName));
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    return l;
}

bool isOffered(const QPushButton* button)
{
    return button && button->isVisible() && button->isEnabled();
}

QString widestName(const QFontMetrics& metrics, int characters)
{
    QChar widest(QLatin1Char('W'));
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (c >= 0x7F && c < 0xA0)
            continue; // control codes: no letters
        const QChar ch(c);
        if (metrics.horizontalAdvance(ch) > metrics.horizontalAdvance(widest))
            widest = ch;
    }
    return QString(characters, widest);
}
