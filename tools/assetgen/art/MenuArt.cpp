#include "assetgen/AssetModules.h"

namespace {

void makeMenuArt(AssetWriter&) {}

}  // namespace

const AssetModule kMenuArt = {"menu", 0, &makeMenuArt};
