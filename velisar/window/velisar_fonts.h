#pragma once

// The window asks for its fonts by the names its texts were designed with
// ("Traditional Arabic", "Simplified Arabic"); this maps them to installed
// faces once at start-up: Amiri, a Naskh made for Quran text, and a clear
// Arabic sans for labels.
void mapVelisarFonts();
