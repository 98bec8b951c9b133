#include "assetgen/AssetModules.h"

namespace {

void makeHudArt(AssetWriter&) {}

}  // namespace

const AssetModule kHudArt = {"HUD", 0, &makeHudArt};
