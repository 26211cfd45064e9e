// The program's version record.
#pragma once

namespace version {
inline constexpr const char* kCompanyName = "Velko";
inline constexpr const char* kProductName = "VelkoButton";
inline constexpr const char* kInternalName = "VelkoButton";
inline constexpr const char* kProductVersion = "1.00";
inline constexpr const char* kPrivateBuild = "38";
inline constexpr const char* kFileDescription = "VelkoButton interactive web button editor";
inline constexpr const char* kLegalCopyright = "Copyright (C) 2026 Velko. All rights reserved.";
inline constexpr const char* kLegalTrademarks =
    "VelkoButton and VelkoScript are trademarks of Velko.";
// The one-line notice written into every generated page.
inline constexpr const char* kCopyrightNotice = "Copyright (C) 2026 Velko. All rights reserved.";
}  // namespace version
