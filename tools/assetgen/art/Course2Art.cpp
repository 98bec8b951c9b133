#include "assetgen/AssetModules.h"

namespace {

void makeCourse2Art(AssetWriter&) {}

}  // namespace

const AssetModule kCourse2Art = {"course 2", 0, &makeCourse2Art};
