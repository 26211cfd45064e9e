// Builds project-file bytes by hand, field by field, independently of the
// groups' own Serialize, so that tests can state exactly what a file holds.
#pragma once

#include <cstdint>
#include <string>

class ProjectBytes {
 public:
  ProjectBytes& Int(int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    return *this;
  }
  ProjectBytes& Color(uint32_t rgb) { return Int(static_cast<int32_t>(rgb)); }
  ProjectBytes& Str(const std::string& s) {
    const std::size_t n = s.size();
    if (n < 255) {
      bytes_.push_back(static_cast<char>(n));
    } else if (n < 65534) {
      bytes_ += '\xFF';
      bytes_.push_back(static_cast<char>(n & 0xFF));
      bytes_.push_back(static_cast<char>(n >> 8));
    } else {
      bytes_ += "\xFF\xFF\xFF";
      Int(static_cast<int32_t>(n));
    }
    bytes_ += s;
    return *this;
  }
  ProjectBytes& Raw(const std::string& s) {
    bytes_ += s;
    return *this;
  }
  const std::string& bytes() const { return bytes_; }

  // The record of a state group with every value at its default (the caption
  // is the button's name at creation).
  ProjectBytes& DefaultState(const std::string& name, int32_t cursor, const std::string& caption) {
    Str(name).Int(0).Color(0xC0C0C0).Int(cursor).Int(0).Int(0).Int(0);
    // text: alignX, alignY, offsetX, offsetY, text, colour, font, bold,
    // emboss, engrave, italic, underline, size
    Int(1).Int(1).Int(0).Int(0).Str(caption).Color(0).Str("Arial");
    Int(0).Int(0).Int(0).Int(0).Int(0).Int(11);
    // border: smooth, style, thick, top, mid, bottom, automatic, frame thick, frame colour
    Int(1).Int(2).Int(3).Color(0xFFFFFF).Color(0xC0C0C0).Color(0).Int(1).Int(0).Color(0);
    // audio: file, mode
    Str("").Int(0);
    // image: file, offsetY, offsetX, alignX, alignY, style
    Str("").Int(0).Int(0).Int(1).Int(1).Int(0);
    // advanced: script
    return Str("");
  }

  // A button record at its defaults, at (x, y) with the default size.
  ProjectBytes& DefaultButton(const std::string& name, int32_t x = 0, int32_t y = 0) {
    // name, drag, initiallyDown, show, mode, tip, status, url, target,
    // height, width, x, y, leave script
    Str(name).Int(0).Int(0).Int(1).Int(0).Str("").Str("").Str("").Str("");
    Int(40).Int(100).Int(x).Int(y).Str("");
    DefaultState("Up", 0, name);
    DefaultState("Over", 12, name);
    return DefaultState("Down", 0, name);
  }

  // The head written by this program: version "1.00", build "38", htmlPath.
  ProjectBytes& Head(const std::string& htmlPath = "") {
    return Str("1.00").Str("38").Str(htmlPath);
  }

  // The project record at its defaults with the given applet size.
  ProjectBytes& DefaultProject(int32_t width, int32_t height) {
    // identifier, buttonHeight, spacing, buttonWidth, projectHeight, layout,
    // projectWidth, imageStyle, backgroundImage, backgroundColor, inputFile,
    // readFromFile, refreshRate, tokenize, reloadInterval, codeBase,
    // beforeScript, afterScript
    Str("VelkoButton").Int(40).Int(0).Int(100).Int(height).Int(0).Int(width).Int(0).Str("");
    Color(0x808080).Str("button.txt").Int(0).Int(0).Int(1).Int(300).Str("").Str("").Str("");
    return *this;
  }

 private:
  std::string bytes_;
};
