#pragma once

#include <QImage>

#include "table/ResourceNames.h"

namespace gen {

class Output;

// Face sheets, jokers and the small suit pictures.
void AddCardFaces(Output& out);
// One face (rank 1..13) as drawn into the sheets; for the preview and the splash.
QImage DrawFace(const tindle::CardSizeSpec& size, int cardSet, int suit, int rank);
QImage DrawJoker(const tindle::CardSizeSpec& size);

// Card backs.
void AddCardBacks(Output& out);
QImage DrawBack(const tindle::CardSizeSpec& size, int back);

// Marks of empty piles, shadows and stock-thickness borders.
void AddMarks(Output& out);

// Colours shared by the faces and the pictures that show cards.
QColor SuitColor(int suit, int cardSet);

}  // namespace gen
