// The genki bars of the bout screen and their accessible interface.
#include "screens/bout/GenkiMeter.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// What a screen reader finds: a progress bar with the genki as its value.
class GenkiMeterAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GenkiMeterAccessible(GenkiMeter* meter) : QAccessibleWidget(meter, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(meter()->value());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return meter()->value(); }
    void setCurrentValue(const QVariant&) override {} // shown, never set by the player
    QVariant maximumValue() const override { return kGenkiMeterMax; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    GenkiMeter* meter() const { return static_cast<GenkiMeter*>(widget()); }
};

QAccessibleInterface* makeGenkiAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("GenkiMeter") && object && object->isWidgetType())
        return new GenkiMeterAccessible(static_cast<GenkiMeter*>(object));
    return nullptr;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

GenkiMeter::GenkiMeter(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeGenkiAccessible);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::NoFocus);
}

void GenkiMeter::show(const GenkiBar& bar)
{
    const int before = value();
    m_bar = bar;
    update();
    if (value() != before) {
        QAccessibleValueChangeEvent changed(this, value());
        QAccessible::updateAccessibility(&changed);
    }
}

int GenkiMeter::value() const
{
    return std::clamp(m_bar.genki, 0, kGenkiMeterMax);
}

QColor GenkiMeter::fillColour() const
{
    const QColor window = palette().color(QPalette::Window);
    const bool blue = m_bar.colour == BarColour::Blue;
    const QColor deep = blue ? QColor(0, 0, 255) : QColor(204, 0, 0);
    const QColor light = blue ? QColor(110, 160, 255) : QColor(255, 110, 110);
    return contrastRatio(deep, window) >= contrastRatio(light, window) ? deep : light;
}

QSize GenkiMeter::sizeHint() const
{
    return QSize(kGenkiBarMaxWidth + fontMetrics().horizontalAdvance(QStringLiteral(" 0000")), 16);
}

void GenkiMeter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int track = width() - fontMetrics().horizontalAdvance(QStringLiteral(" 0000"));
    const double scale = static_cast<double>(track) / kGenkiBarMaxWidth;
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, track - 1, height() - 1);
    if (m_bar.width > 0)
        p.fillRect(0, 0, static_cast<int>(std::lround(m_bar.width * scale)), height(), fillColour());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(track, 0, width() - track, height()), Qt::AlignRight | Qt::AlignVCenter, QString::number(m_bar.genki));
}
