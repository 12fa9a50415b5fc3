#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

// The samples of the Customize dialog: a background code painted at a sample's size, and a
// card back drawn on it as a big card.

namespace tindle {

class BackgroundPainter;

struct BackgroundSampleInputs {
    BackgroundPainter* painter = nullptr;  // the table's painter (samples leave its images alone)
    long long plainColour = 0;             // the chosen plain colour (code 1), as stored
    bool fade = false;                     // "Fade background" is ticked
    long long displayColours = 0;          // colours the display shows
    // The screen-sized picture from which the pictures drawn once (not tiled) are sampled:
    // the screen's width by its height less the bottom of the large toolbar row.
    QSize screenArea;
    QColor emptyColour;  // what a sample without a picture shows
};

// A colour sample: a vertical fade of 256 bands from black at the bottom to the colour at the
// top when fade is asked for and the display shows more than 256 colours; else the colour.
QImage ColourSample(QSize size, const QColor& colour, bool fade, long long displayColours);

// The sample of a background code (0 or less the default background, 1 the plain colour,
// 2..1000 a background picture, above 1000 a fixed colour). Tiled pictures and the default
// are painted at the sample's own size; pictures from 500 on, which the table draws once at
// their own size, are painted on a screen-sized picture that is then shrunk to the sample.
// A picture the library does not hold leaves the sample empty.
QImage BackgroundSample(QSize size, long long code, const BackgroundSampleInputs& in);

// Draws a card back on a sample as a big card (71 x 96) at place's top-left, with the table's
// rounded corners (the corner pixels keep the sample's colour). An empty back draws nothing.
void DrawBackOnSample(QImage& sample, const QPoint& place, const QImage& back);

}  // namespace tindle
