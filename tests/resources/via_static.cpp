// SPDX-License-Identifier: GPL-3.0-or-later
#include "via_static.h"

#include "resources/eroforras.h"

QByteArray KepAtStaticKonyvtaron(const QString& nev) { return eroforras::Adat(nev); }
