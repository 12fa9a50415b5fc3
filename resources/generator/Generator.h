#pragma once

#include <QFont>
#include <QString>

namespace gen {

class Output;

void AddBackgrounds(Output& out);
void AddInterface(Output& out);
void AddCursors(Output& out);
void AddSounds(Output& out);
bool WritePreview(const Output& out, const QString& file);

// Display lettering (splash, panels) uses DejaVu Sans loaded from its file, so that the
// pictures do not depend on which fonts the system would pick; without it the lettering
// falls back to the default font and a warning is printed.
void LoadFonts();
QFont DisplayFont(double pixelSize, bool bold);

}  // namespace gen
