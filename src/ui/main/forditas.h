// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the colour, open and save dialogs, its message boxes) in
// Hungarian, from the translations installed with Qt.

class QCoreApplication;

// Loads Qt's Hungarian translations into the application and makes Hungarian
// the default locale. False when no translation file was found (Qt's texts
// then stay English).
bool MagyarForditas(QCoreApplication& app);
