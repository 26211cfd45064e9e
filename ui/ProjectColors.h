// The colours a project uses, for the colour pop-up's row of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class Doc;

// The distinct colours the project's background, the states and their
// captions use, in the order of the first use (project, then button by
// button, Up to Down), at most `most` of them. Border colours are left out:
// most follow their state's colour by themselves.
std::vector<uint32_t> ProjectColors(const Doc& doc, std::size_t most);
