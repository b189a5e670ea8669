#pragma once
// The catalogue data behind TBetuKepesseg (internal to the fonts module).
