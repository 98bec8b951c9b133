#include "assetgen/AssetModules.h"

namespace {

void makeHighscoreArt(AssetWriter&) {}

}  // namespace

const AssetModule kHighscoreArt = {"name entry", 0, &makeHighscoreArt};
