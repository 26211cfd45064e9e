// The program's version record.
#pragma once

// The version number comes from the build (the project's one version).
#ifndef VB_VERSION
#error "VB_VERSION is set by the build"
#endif

namespace version {
inline constexpr const char* kCompanyName = "Velko";
inline constexpr const char* kProductName = "VelkoButton";
inline constexpr const char* kInternalName = "VelkoButton";
inline constexpr const char* kProductVersion = VB_VERSION;
inline constexpr const char* kPrivateBuild = "38";
inline constexpr const char* kFileDescription = "VelkoButton interactive web button editor";
inline constexpr const char* kLegalCopyright =
    "Copyright (C) 2026 Velko. Free software under the MIT licence.";
inline constexpr const char* kLegalTrademarks =
    "VelkoButton and VelkoScript are trademarks of Velko.";
// The one-line notice written into every generated page.
inline constexpr const char* kCopyrightNotice = "Copyright (C) 2026 Velko. All rights reserved.";
}  // namespace version
