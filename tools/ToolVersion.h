// The product name and version that --version prints, from the version block.
#pragma once

inline constexpr const char* kProductName = "Brevant Application";
inline constexpr const char* kProductVersion = "1.0.0.1";
