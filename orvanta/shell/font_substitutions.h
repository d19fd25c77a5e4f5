#pragma once

// The font names the program's settings and designs use are Windows faces.
// This maps each of them to installed faces: the Naskh faces to Amiri, made
// for Quran text, the interface faces to Noto Sans Arabic and DejaVu Sans.
// A stored name therefore keeps working, and the font file keeps the names
// the user chose. Call it once, after the application object exists.
void InstallFontSubstitutions();
