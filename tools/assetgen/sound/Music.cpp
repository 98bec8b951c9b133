#include "assetgen/AssetModules.h"

namespace {

void makeMusic(AssetWriter&) {}

}  // namespace

const AssetModule kMusic = {"music", 0, &makeMusic};
