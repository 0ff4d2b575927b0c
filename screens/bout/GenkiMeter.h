// A wrestler's genki on the bout screen: a bar, its number, and what a
// screen reader hears of both.
#pragma once

#include "rules/bout/BoutView.h"

#include <QWidget>

// Draws the genki bar the bout rules size (2 pixels per point, at most
// kGenkiBarMaxWidth) in the game's blue or red, darker or lighter as the
// window's palette needs for a contrast of at least 3:1, inside an outline
// of its whole extent, with the genki as a number beside it: the colour is
// never the only cue. A screen reader finds a progress bar whose value is the
// genki (0 to 200, where the bar is full) and hears each change.
class GenkiMeter : public QWidget {
    Q_OBJECT
public:
    explicit GenkiMeter(QWidget* parent = nullptr);

    void show(const GenkiBar& bar);

    // The width the rules gave the bar, in the screen's unscaled pixels: 0
    // when it is empty.
    int level() const { return m_bar.width; }
    // The genki the bar stands for, as its value: 0 to kGenkiMeterMax.
    int value() const;
    // The colour it is drawn in against the current palette.
    QColor fillColour() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    GenkiBar m_bar;
};

// The genki at which the bar is full.
constexpr int kGenkiMeterMax = kGenkiBarMaxWidth / 2;

// The contrast ratio of two colours (1 to 21) by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);
