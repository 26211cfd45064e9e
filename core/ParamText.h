// How a parameter's text is written: in a page as a PARAM tag whose value is
// an attribute's text, in an input file as a line of its own.
#pragma once

#include <string>
#include <string_view>

// Where the parameters go: PARAM tags in a page, or the lines of an input file.
enum class ParamForm { Page = 0, InputFile = 1 };

namespace params {

// One parameter in `form`; nothing when `value` is the default. `escape`
// writes quotes and line breaks as the script reads them; in a page the
// value is then written as an attribute's text (AddAttributeText).
std::string WriteStringParam(ParamForm form, const std::string& name, const std::string& value,
                             const std::string& def, bool escape);
// `text` as the text of a double-quoted attribute: "&", '"', "<" and ">"
// are written as character references, so that the browser hands the
// page's script (or an applet) exactly `text` and no markup comes of it;
// so is every character the page's 8-bit text cannot hold. Also the text
// of an element.
void AddAttributeText(std::string& out, std::string_view text);
// The same for text that is the page's 8-bit text already (a script whose
// characters are escaped): only "&", '"', "<" and ">" are written as
// references.
void AddAttributeBytes(std::string& out, std::string_view bytes);

}  // namespace params
