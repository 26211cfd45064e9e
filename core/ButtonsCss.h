// The pieces of CSS text that the looks' declarations and the page's style
// sheet and elements share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ButtonsHtml.h"

namespace buttons_html::css {

// "12px".
std::string Px(int64_t v);
// A colour as CSS writes it: "#rrggbb".
std::string Hex(uint32_t c);
// Declarations joined by ";".
std::string Join(const std::vector<std::string>& d);
// The name of a declaration "name:value".
std::string_view NameOf(const std::string& decl);
// An address inside url("..."), with the characters that would end it as %XX.
std::string UrlText(const std::string& address);
// Whether `text` holds nothing but blanks and line ends.
bool Blank(const std::string& text);
// A font name that names a font file beside the page; its file name, and the
// family the page gives it.
bool NamesFontFile(const std::string& font);
std::string FontFileName(const std::string& font);
std::string FontFileFamily(const std::string& font);
// The background image's declarations of `l`.
void AddImageDecls(std::vector<std::string>& d, const Look& l);

}  // namespace buttons_html::css
