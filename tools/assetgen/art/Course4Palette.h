#pragma once

#include "assetgen/Style.h"

// The colours of course 4: the living tunnels of a creature, its bile and
// the brain that rules it.
constexpr Rgb kC4Cavity{0.16, 0.05, 0.14};
constexpr Rgb kC4CavityLight{0.34, 0.11, 0.28};
constexpr Rgb kC4Flesh{0.80, 0.38, 0.52};
constexpr Rgb kC4FleshDark{0.46, 0.15, 0.32};
constexpr Rgb kC4Membrane{0.58, 0.30, 0.68};
constexpr Rgb kC4Vein{0.40, 0.08, 0.30};
constexpr Rgb kC4Bile{0.58, 0.80, 0.18};
constexpr Rgb kC4BileBright{0.84, 0.95, 0.36};
constexpr Rgb kC4Polyp{0.93, 0.45, 0.66};
constexpr Rgb kC4SporeYellow{0.90, 0.86, 0.22};
constexpr Rgb kC4Violet{0.62, 0.24, 0.82};
constexpr Rgb kC4BrainPink{0.94, 0.58, 0.68};
constexpr Rgb kC4FlashWhite{1.00, 0.92, 0.96};
constexpr Rgb kC4Warning{1.00, 0.56, 0.30};
