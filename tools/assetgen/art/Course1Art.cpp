#include "assetgen/AssetModules.h"

namespace {

void makeCourse1Art(AssetWriter&) {}

}  // namespace

const AssetModule kCourse1Art = {"course 1", 0, &makeCourse1Art};
