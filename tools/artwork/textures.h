// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Procedural background textures (wood, paper, stone slab): deterministic value
// noise, so every build draws the same pictures.

#include <QImage>

namespace artwork {

QImage Fa(int width, int height);       // wood planks with grain and knots
QImage Papiros(int width, int height);  // hand-made paper with fibres
QImage Ko(int width, int height);       // a stone slab with veins and a bevelled edge

}  // namespace artwork
