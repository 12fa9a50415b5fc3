#pragma once

#include <QImage>

#include "table/ResourceNames.h"

namespace gen {

class Output;

// Face sheets, jokers and the small suit pictures.
void AddCardFaces(Output& out);
// One face (rank 1..13) as drawn into the sheets; for the preview and the splash.
// With a scale of 2 or 3 the same picture is drawn that many times finer.
QImage DrawFace(const tindle::CardSizeSpec& size, int cardSet, int suit, int rank, int scale = 1);
QImage DrawJoker(const tindle::CardSizeSpec& size, int scale = 1);

// Card backs.
void AddCardBacks(Output& out);
QImage DrawBack(const tindle::CardSizeSpec& size, int back, int scale = 1);

// Marks of empty piles, shadows and stock-thickness borders.
void AddMarks(Output& out);

// Colours shared by the faces and the pictures that show cards.
QColor SuitColor(int suit, int cardSet);

}  // namespace gen
