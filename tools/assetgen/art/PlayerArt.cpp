#include "assetgen/AssetModules.h"

namespace {

void makePlayerArt(AssetWriter&) {}

}  // namespace

const AssetModule kPlayerArt = {"crafts", 0, &makePlayerArt};
