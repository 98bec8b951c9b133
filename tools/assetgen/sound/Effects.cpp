#include "assetgen/AssetModules.h"

namespace {

void makeEffects(AssetWriter&) {}

}  // namespace

const AssetModule kEffects = {"effects", 0, &makeEffects};
