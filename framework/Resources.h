#pragma once
// The framework library is static, so its compiled-in resources (background picture, help
// pages) are registered explicitly before the first use rather than by the linker.

namespace rp {

// Registers the framework's resources; later calls do nothing.
void loadFrameworkResources();

}  // namespace rp
