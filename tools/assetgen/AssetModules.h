#pragma once

#include "assetgen/AssetWriter.h"

// Every group of pictures and sounds; each is defined in its own file under
// art/ or sound/.
extern const AssetModule kHudArt;
extern const AssetModule kPlayerArt;
extern const AssetModule kCourse1Art;
extern const AssetModule kCourse2Art;
extern const AssetModule kCourse3Art;
extern const AssetModule kCourse4Art;
extern const AssetModule kMenuArt;
extern const AssetModule kHighscoreArt;
extern const AssetModule kStoryArt;
extern const AssetModule kIconArt;

extern const AssetModule kMusic;
extern const AssetModule kEffects;
