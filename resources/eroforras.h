// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's embedded pictures, by the resource names the windows use
// ("ROVAS2", "B_ALAP", "HT_FA"...): complete BMP files, JPEG files for the three
// backgrounds. Linking the `rovas_resources` library is all a program needs.

#include <QByteArray>
#include <QString>

namespace eroforras {

// The Qt resource path of a picture (":/kepek/ROVAS2.bmp"), or empty when the
// program has no picture of that name. Names are compared exactly.
QString Utvonal(const QString& nev);

// The raw bytes of the picture's file, or empty when there is none.
QByteArray Adat(const QString& nev);

}  // namespace eroforras
