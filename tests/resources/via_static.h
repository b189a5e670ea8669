// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A static library between the test and rovas_resources, as the window
// libraries will be: the pictures must still reach the program.
#include <QByteArray>
#include <QString>

QByteArray KepAtStaticKonyvtaron(const QString& nev);
