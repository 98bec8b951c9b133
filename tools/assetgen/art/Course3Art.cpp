#include "assetgen/AssetModules.h"

namespace {

void makeCourse3Art(AssetWriter&) {}

}  // namespace

const AssetModule kCourse3Art = {"course 3", 0, &makeCourse3Art};
