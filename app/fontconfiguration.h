#pragma once
#include <string>
#include <vector>

// Everything the program writes is set in Liberation Sans or Liberation Serif. A font
// configuration that lists only the folders holding them is read in well under a millisecond,
// where the system's own (dozens of rule files, every installed font) takes several, and the
// font database Qt builds from it is a fraction of the size. Rendering is unchanged: the
// program asks for antialiased, unhinted text whatever the configuration says. A character
// those faces lack (a word in another alphabet) is drawn from whatever installed font has it,
// found in the system's configuration the first time such a character is shown.

// The folders, among `candidates`, that hold every face the program draws with.
std::vector<std::string> programFontFolders(const std::vector<std::string>& candidates);

// Makes a configuration of the program's fonts the current one, for this process only (a
// browser it starts still sees the system's), and lets captions reach other installed fonts
// (ui::prepareText). Call before the application object. Returns false, and changes nothing,
// where the faces are not all found or there is no fontconfig.
bool useProgramFonts();

// Reads the system's configuration, as Qt's first font would; safe on any thread, and Qt's
// own call then finds it loaded. Does nothing where there is no fontconfig.
void loadSystemFontConfiguration();
