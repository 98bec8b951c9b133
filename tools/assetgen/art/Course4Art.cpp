#include "assetgen/AssetModules.h"

namespace {

void makeCourse4Art(AssetWriter&) {}

}  // namespace

const AssetModule kCourse4Art = {"course 4", 0, &makeCourse4Art};
