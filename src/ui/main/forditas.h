// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sets up in Qt before its windows exist: Qt's own texts
// (the colour, open and save dialogs, its message boxes) in Hungarian, from
// the translations installed with Qt, and the bundled typefaces.

class QCoreApplication;

// Loads Qt's Hungarian translations into the application and makes Hungarian
// the default locale. False when no translation file was found (Qt's texts
// then stay English).
bool MagyarForditas(QCoreApplication& app);

// Adds the typefaces bundled in the program folder's "fonts" to the
// application, each whose family is not installed, so the rovás pane and the
// picture show runes even where the user declined the font installer.
// Returns how many faces were added.
int BeepitettBetukeszletekBetoltese();
