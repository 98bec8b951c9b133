#include "assetgen/AssetModules.h"

namespace {

void makeStoryArt(AssetWriter&) {}

}  // namespace

const AssetModule kStoryArt = {"story", 0, &makeStoryArt};
